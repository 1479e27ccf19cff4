#include "platform/WindowStyle.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <QtGlobal>

#import <AppKit/AppKit.h>

using namespace Qt::StringLiterals;

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
// Qt draws the content under the title bar itself and keeps the native style in step with every
// change it makes, so the window only has to ask.
constexpr Qt::WindowFlags expandedClientArea = Qt::ExpandedClientAreaHint | Qt::NoTitleBarBackgroundHint;
#endif

NSWindow *nativeWindow(QWindow *window)
{
    if (!window->handle())
        return nil;
    // For Cocoa, winId() is the window's NSView; it already exists, since handle() does.
    NSView *view = (__bridge NSView *)reinterpret_cast<void *>(window->winId());
    return view.window;
}

// What Qt does not manage is set on the native window. Before Qt 6.9 that includes the full-size
// content view, which Qt drops whenever it recomputes the style mask (on a change of flags or
// state), hence the keeper below.
void applyNativeStyle(QWindow *window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    // A native window created again from the widget's flags lacks the hints.
    if ((window->flags() & expandedClientArea) != expandedClientArea)
        window->setFlags(window->flags() | expandedClientArea);
#endif
    NSWindow *nsWindow = nativeWindow(window);
    if (!nsWindow)
        return;
    nsWindow.titleVisibility = NSWindowTitleHidden;
#if QT_VERSION < QT_VERSION_CHECK(6, 9, 0)
    nsWindow.titlebarAppearsTransparent = YES;
    if (!(nsWindow.styleMask & NSWindowStyleMaskFullSizeContentView))
        nsWindow.styleMask |= NSWindowStyleMaskFullSizeContentView;
#endif
}

bool mayRestyle(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowStateChange:
        return true;
    case QEvent::PlatformSurface:
        return static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated;
    default:
        return false;
    }
}

// Lives as long as the window. Re-applies the style after each event that may have made Qt rebuild
// the native window or its style mask, once Qt has finished with it (queued), so the two never
// take turns within one change.
class TitleBarKeeper : public QObject
{
public:
    explicit TitleBarKeeper(QWindow *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(name());
        window->installEventFilter(this);
    }

    static QString name() { return u"orvando-title-bar-keeper"_s; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && mayRestyle(event))
            QMetaObject::invokeMethod(
                this, [this] { applyNativeStyle(m_window); }, Qt::QueuedConnection);
        return false;
    }

private:
    QWindow *m_window;
};

} // namespace

namespace WindowStyle {

void hideTitleBar(QWindow *window)
{
    if (!window || window->findChild<QObject *>(TitleBarKeeper::name(), Qt::FindDirectChildrenOnly))
        return;
    new TitleBarKeeper(window);
    @autoreleasepool {
        applyNativeStyle(window);
    }
}

} // namespace WindowStyle
