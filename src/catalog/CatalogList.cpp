// The built-in list: 28 applications in display order, the first 16 curated. The names are the
// apps' own; the taglines are marked here for translation and read in the user's language through
// CatalogApp::translated().
#include "catalog/Catalog.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

using Category = CatalogApp::Category;
using License = CatalogApp::License;

struct Row
{
    QString id;
    QString name;
    const char *tagline; // English, as published; marked for translation
    Category category;
    InstallSource install;
    License license;
    Pricing pricing;
    QString homepage;
    std::optional<QString> bundleID;
    bool isCurated;
    std::optional<Replacement> replaces;
    int screenshotCount;
};

InstallSource cask(const QString &token)
{
    return InstallSource::homebrewCask(token);
}

CatalogApp makeApp(const Row &row)
{
    QStringList screenshots;
    for (int n = 1; n <= row.screenshotCount; ++n)
        screenshots.append(row.id + u"-shot-"_s + QString::number(n));
    return { row.id, row.name, QString::fromUtf8(row.tagline), row.category, row.install, row.license, row.pricing,
        row.homepage, row.bundleID, row.isCurated, row.replaces, screenshots };
}

QList<CatalogApp> build()
{
    const auto free = Pricing::Free;
    const DirectDownload parabolic { u"NickvisionApps/Parabolic"_s, u"Parabolic-macOS-arm64.zip"_s,
        u"Parabolic-macOS-x64.zip"_s };
    const QList<Row> rows {
        { u"maccy"_s, u"Maccy"_s, QT_TRANSLATE_NOOP("CatalogList", "A clipboard that remembers what you copied."),
            Category::Clipboard, cask(u"maccy"_s), License::Mit, free, u"https://maccy.app/"_s, u"org.p0deje.Maccy"_s,
            true, Replacement { u"Paste"_s, u"$30/yr"_s }, 4 },
        { u"ice"_s, u"Ice"_s, QT_TRANSLATE_NOOP("CatalogList", "Hide and arrange your menu bar icons."),
            Category::Menubar, cask(u"jordanbaird-ice"_s), License::Gpl, free, u"https://icemenubar.app/"_s,
            u"com.jordanbaird.Ice"_s, true, Replacement { u"Bartender"_s, u"$16/yr"_s }, 3 },
        { u"rectangle"_s, u"Rectangle"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Snap windows into place with a keyboard shortcut."), Category::Window,
            cask(u"rectangle"_s), License::Mit, free, u"https://rectangleapp.com/"_s, u"com.knollsoft.Rectangle"_s,
            true, Replacement { u"Magnet"_s, u"$8"_s }, 3 },
        { u"loop"_s, u"Loop"_s, QT_TRANSLATE_NOOP("CatalogList", "Arrange windows by flicking your mouse to an edge."),
            Category::Window, cask(u"loop"_s), License::Mit, free, u"https://github.com/MrKai77/Loop"_s,
            u"com.MrKai77.Loop"_s, true, Replacement { u"Magnet"_s, u"$8"_s }, 4 },
        { u"alt-tab"_s, u"AltTab"_s,
            QT_TRANSLATE_NOOP("CatalogList", "See every window when you switch with the keyboard."), Category::Window,
            cask(u"alt-tab"_s), License::Gpl, free, u"https://alt-tab.app/"_s, u"com.lwouis.alt-tab-macos"_s, true,
            std::nullopt, 3 },
        { u"iina"_s, u"IINA"_s, QT_TRANSLATE_NOOP("CatalogList", "A video player that plays everything."),
            Category::Media, cask(u"iina"_s), License::Gpl, free, u"https://iina.io/"_s, u"com.colliderli.iina"_s, true,
            Replacement { u"Movist"_s, u"$5"_s }, 3 },
        { u"handbrake"_s, u"HandBrake"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Convert video into a smaller, shareable file."), Category::Media,
            cask(u"handbrake-app"_s), License::Gpl, free, u"https://handbrake.fr/"_s, u"fr.handbrake.HandBrake"_s, true,
            Replacement { u"Permute"_s, u"$30"_s }, 3 },
        { u"shutter-encoder"_s, u"Shutter Encoder"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Convert audio, video, and images with pro control."), Category::Media,
            cask(u"shutter-encoder"_s), License::Gpl, free, u"https://www.shutterencoder.com/"_s,
            u"com.paulpacifico.shutterencoder"_s, true, std::nullopt, 3 },
        { u"parabolic"_s, u"Parabolic"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Download video and audio from the web, beautifully."), Category::Media,
            InstallSource::directDownload(parabolic), License::Mit, free,
            u"https://github.com/NickvisionApps/Parabolic"_s, u"org.nickvision.tubeconverter"_s, true, std::nullopt,
            3 },
        { u"stats"_s, u"Stats"_s, QT_TRANSLATE_NOOP("CatalogList", "See CPU, memory, and network in your menu bar."),
            Category::Menubar, cask(u"stats"_s), License::Mit, free, u"https://github.com/exelban/stats"_s,
            u"eu.exelban.Stats"_s, true, Replacement { u"iStat Menus"_s, u"$12"_s }, 3 },
        { u"keka"_s, u"Keka"_s, QT_TRANSLATE_NOOP("CatalogList", "Open and make archives in any format."),
            Category::Files, cask(u"keka"_s), License::Gpl, free, u"https://www.keka.io/"_s, u"com.aone.keka"_s, true,
            Replacement { u"Archiver"_s, u"$20"_s }, 4 },
        { u"espanso"_s, u"Espanso"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Type a short code and expand it into anything."), Category::Clipboard,
            cask(u"espanso"_s), License::Gpl, free, u"https://espanso.org/"_s, u"com.federicoterzi.espanso"_s, true,
            Replacement { u"TextExpander"_s, u"$40/yr"_s }, 3 },
        { u"betterdisplay"_s, u"BetterDisplay"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Tune resolution, brightness, and dummy displays."), Category::Menubar,
            cask(u"betterdisplay"_s), License::Mit, Pricing::Freemium, u"https://github.com/waydabber/BetterDisplay"_s,
            u"pro.betterdisplay.BetterDisplay"_s, true, std::nullopt, 3 },
        { u"shottr"_s, u"Shottr"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Screenshot, annotate, and pull text out of any image."), Category::Media,
            cask(u"shottr"_s), License::Proprietary, Pricing::Freemium, u"https://shottr.cc/"_s, u"cc.ffitch.shottr"_s,
            true, Replacement { u"CleanShot X"_s, u"$29"_s }, 3 },
        { u"pearcleaner"_s, u"Pearcleaner"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Uninstall apps and sweep up the files they leave behind."),
            Category::Files, cask(u"pearcleaner"_s), License::ApacheCommonsClause, free,
            u"https://github.com/alienator88/Pearcleaner"_s, u"com.alienator88.Pearcleaner"_s, true,
            Replacement { u"CleanMyMac"_s, u"$35/yr"_s }, 4 },
        { u"tomatobar"_s, u"TomatoBar"_s, QT_TRANSLATE_NOOP("CatalogList", "Pomodoro timer in your menu bar."),
            Category::Menubar, cask(u"tomatobar"_s), License::Mit, free, u"https://github.com/ivoronin/TomatoBar"_s,
            u"com.github.ivoronin.TomatoBar"_s, true, std::nullopt, 3 },
        { u"sol"_s, u"Sol"_s, QT_TRANSLATE_NOOP("CatalogList", "Launch apps and run quick actions from one bar."),
            Category::Window, cask(u"sol"_s), License::Mit, free, u"https://github.com/ospfranco/sol"_s,
            u"com.ospfranco.sol"_s, false, Replacement { u"Alfred"_s, u"£34"_s }, 2 },
        { u"linearmouse"_s, u"LinearMouse"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Make any mouse scroll and track the way you want."), Category::Window,
            cask(u"linearmouse"_s), License::Gpl, free, u"https://linearmouse.app/"_s, u"com.lujjjh.LinearMouse"_s,
            false, Replacement { u"SteerMouse"_s, u"$20"_s }, 3 },
        { u"netnewswire"_s, u"NetNewsWire"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Read your news feeds in one quiet place."), Category::Media,
            cask(u"netnewswire"_s), License::Mit, free, u"https://netnewswire.com/"_s,
            u"com.ranchero.NetNewsWire-Evergreen"_s, false, Replacement { u"Reeder"_s, u"$10"_s }, 2 },
        { u"vlc"_s, u"VLC"_s, QT_TRANSLATE_NOOP("CatalogList", "The player that has never met a file it cannot open."),
            Category::Media, cask(u"vlc"_s), License::Gpl, free, u"https://www.videolan.org/vlc/"_s,
            u"org.videolan.vlc"_s, false, std::nullopt, 3 },
        { u"inkscape"_s, u"Inkscape"_s, QT_TRANSLATE_NOOP("CatalogList", "Draw and edit vector graphics for free."),
            Category::Media, cask(u"inkscape"_s), License::Gpl, free, u"https://inkscape.org/"_s,
            u"org.inkscape.Inkscape"_s, false, Replacement { u"Adobe Illustrator"_s, u"$23/mo"_s }, 3 },
        { u"hiddenbar"_s, u"Hidden Bar"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Tuck away the menu bar icons you rarely need."), Category::Menubar,
            cask(u"hiddenbar"_s), License::Mit, free, u"https://github.com/dwarvesf/hidden"_s,
            u"com.dwarvesv.minimalbar"_s, false, Replacement { u"Bartender"_s, u"$16/yr"_s }, 2 },
        { u"keepassxc"_s, u"KeePassXC"_s, QT_TRANSLATE_NOOP("CatalogList", "Keep your passwords in a vault you own."),
            Category::Security, cask(u"keepassxc"_s), License::Gpl, free, u"https://keepassxc.org/"_s,
            u"org.keepassxc.keepassxc"_s, false, Replacement { u"1Password"_s, u"$36/yr"_s }, 3 },
        { u"bitwarden"_s, u"Bitwarden"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Sync your passwords across every device you own."), Category::Security,
            cask(u"bitwarden"_s), License::Gpl, free, u"https://bitwarden.com/"_s, u"com.bitwarden.desktop"_s, false,
            Replacement { u"1Password"_s, u"$36/yr"_s }, 2 },
        { u"raspberry-pi-imager"_s, u"Raspberry Pi Imager"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Write an OS image to an SD card without fuss."), Category::Files,
            cask(u"raspberry-pi-imager"_s), License::Apache, free, u"https://www.raspberrypi.com/software/"_s,
            u"org.raspberrypi.imagingutility"_s, false, std::nullopt, 3 },
        // The Mac build's identifier; "org.localsend.localsend_app" is the Android and Linux one.
        { u"localsend"_s, u"LocalSend"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Send files between your devices over the local network."),
            Category::Files, cask(u"localsend"_s), License::Mit, free, u"https://localsend.org/"_s,
            u"org.localsend.localsendApp"_s, false, std::nullopt, 3 },
        { u"cyberduck"_s, u"Cyberduck"_s,
            QT_TRANSLATE_NOOP("CatalogList", "Browse FTP and cloud storage like a folder."), Category::Files,
            cask(u"cyberduck"_s), License::Gpl, free, u"https://cyberduck.io/"_s, u"ch.sudo.cyberduck"_s, false,
            Replacement { u"Transmit"_s, u"$45"_s }, 2 },
        { u"calibre"_s, u"Calibre"_s, QT_TRANSLATE_NOOP("CatalogList", "Organize and convert your ebook library."),
            Category::Files, cask(u"calibre"_s), License::Gpl, free, u"https://calibre-ebook.com/"_s,
            u"net.kovidgoyal.calibre"_s, false, std::nullopt, 3 },
    };
    QList<CatalogApp> apps;
    apps.reserve(rows.size());
    for (const Row &row : rows)
        apps.append(makeApp(row));
    return apps;
}

} // namespace

namespace Catalog {

const QList<CatalogApp> &builtIn()
{
    static const QList<CatalogApp> list = build(); // C++ guarantees one thread-safe initialisation
    return list;
}

// Move it on with every change to the list above, so a refreshed catalog made before the change
// cannot stand in for it.
QDateTime builtInIssued()
{
    return QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
}

} // namespace Catalog
