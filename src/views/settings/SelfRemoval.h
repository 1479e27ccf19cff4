#pragma once

#include <QString>

#include <functional>

// Removes this program's own installation once it has quit, keeping everything else: the catalog
// apps, their data and the user's preferences. It deletes only a folder that is unmistakably the
// program's own; for any other path it deletes nothing and the program just quits.
namespace SelfRemoval {

// The file an installation off the Mac puts in its own top folder to mark it as the program's:
// "<prefix>/.orvando-install". Only an installation whose prefix belongs to the program alone
// may carry it.
QString markerFileName();

// The folder this running program is installed as: the .app bundle around Contents/MacOS, or else
// the prefix above the folder holding the executable (<prefix>/bin/orvando).
QString installationPath();

// What is at a path, as far as the decision below cares.
struct Found
{
    bool isSymLink = false;
    bool isFolder = false;
    bool hasInfoPlist = false; // Contents/Info.plist is a file
    bool hasMarker = false; // the marker file is a file
};

// True for an absolute path, not a symbolic link, that is either an application bundle (a folder
// named *.app holding Contents/Info.plist) or a folder carrying the marker file that is neither
// the file system's root, the home folder (or above it) nor a shared system prefix. Decided from
// the path and what was found there alone.
bool isOwnInstallation(const QString &path, const Found &found, const QString &home);
// The same, for what is on the disk now.
bool isOwnInstallation(const QString &path);

// "sleep 1; rm -rf '<path>'".
QString removalCommand(const QString &path);

// True when path is the program's own installation but it cannot be removed from where it is:
// its folder (or the installation itself) is not writable, or macOS runs it as a translocated,
// read-only copy (started from Downloads without having been moved).
bool cannotRemoveFromHere(const QString &path);
// "Orvando can't remove itself from here. Move it to Applications first, or drag it to the Trash."
QString cannotRemoveSentence();

// Starts a detached /bin/sh that deletes path a second later when it is the program's own
// installation, then calls quit. Returns whether the deleting shell was started. When the
// installation cannot be removed from here it neither starts the shell nor quits.
bool removeAndQuit(const QString &path, const std::function<void()> &quit);

} // namespace SelfRemoval
