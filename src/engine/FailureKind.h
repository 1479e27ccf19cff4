#pragma once

// What went wrong in a failed operation, as far as its output tells. The card picks its actions
// from it: retrying helps only after a download, network or password failure, or an unknown one.
enum class FailureKind {
    Unknown, // nothing in the output said; also every failure that is not a tool's
    Download, // the server answered with an error, or the download broke off
    Checksum, // the download did not match its published checksum
    MacOSVersion, // the app does not support this version of macOS
    Unavailable, // Homebrew no longer offers the cask (removed or disabled)
    AlreadyInstalled, // an app not installed through Homebrew is in the way
    Password, // the administrator password was not given
    InstallerPackage, // the app's own installer package failed
    Permission, // Homebrew could not write to one of its folders
    Network, // no connection to the download server
    StaleCaskList, // Homebrew's list of casks on this Mac does not know the cask yet: `brew update` mends it
    HomebrewLeftover, // Homebrew's own copy of the older version, from an earlier update, is in the way
};

// True for the failures that may well go away when the user simply tries again.
constexpr bool isRetryable(FailureKind kind)
{
    return kind == FailureKind::Unknown || kind == FailureKind::Download || kind == FailureKind::Network
        || kind == FailureKind::Password;
}
