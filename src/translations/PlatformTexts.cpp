// Texts Qt itself shows and looks up in our translations: the Mac's application menu and the
// standard dialog buttons. Naming them here keeps them in the translation files.
#include <QtGlobal>

namespace {

[[maybe_unused]] const char *const applicationMenu[] = {
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "About %1"),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Preferences..."),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Services"),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Hide %1"),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Hide Others"),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Show All"),
    QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Quit %1"),
};

[[maybe_unused]] const char *const dialogButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};

} // namespace
