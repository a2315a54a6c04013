#pragma once
// Qt gives every window on X11 a colormap of its own. A screenshot taken with "xwd -root" (and
// tools built the same way) is then put together window by window, and shows a window that lies
// inside another of the program's windows black, though the screen shows it drawn. The programs'
// windows use the screen's default visual, so they take the screen's default colormap instead:
// the colours on screen stay the same, and such screenshots show what the pupil sees.
#include <QEvent>
#include <QObject>
#include <QWidget>

#ifdef Q_OS_LINUX
#include <QGuiApplication>
#include <xcb/xcb.h>

class DefaultColormap : public QObject {
public:
    // Installs itself on the application; does nothing away from X11.
    static void install()
    {
        if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            qGuiApp->installEventFilter(new DefaultColormap);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* w = qobject_cast<QWidget*>(object); w && w->isWindow())
                useDefaultColormap(static_cast<xcb_window_t>(w->winId()));
        return false;
    }

private:
    static void useDefaultColormap(xcb_window_t window)
    {
        xcb_connection_t* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
        if (!attributes)
            return;
        for (auto s = xcb_setup_roots_iterator(xcb_get_setup(c)); s.rem; xcb_screen_next(&s)) {
            if (s.data->root_visual == attributes->visual) {
                const uint32_t colormap = s.data->default_colormap;
                xcb_change_window_attributes(c, window, XCB_CW_COLORMAP, &colormap);
                xcb_flush(c);
                break;
            }
        }
        free(attributes);
    }
};
#else
struct DefaultColormap {
    static void install() {}
};
#endif
