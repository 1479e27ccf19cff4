#include "platform/WindowStyle.h"

#include <QWindow>

#import <AppKit/AppKit.h>

namespace WindowStyle {

void hideTitleBar(QWindow *window)
{
    if (!window)
        return;
    // winId() creates the native window when it does not exist yet; for Cocoa it is the NSView.
    NSView *view = (__bridge NSView *)reinterpret_cast<void *>(window->winId());
    NSWindow *nsWindow = view.window;
    if (!nsWindow)
        return;
    nsWindow.titleVisibility = NSWindowTitleHidden;
    nsWindow.titlebarAppearsTransparent = YES;
    nsWindow.styleMask |= NSWindowStyleMaskFullSizeContentView;
}

} // namespace WindowStyle
