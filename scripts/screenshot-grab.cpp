// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a PNG of the mapped top-level X11 window whose name is argv[1]
// (used by scripts/screenshot.sh). Waits up to five seconds for it. Before
// the picture it can click the window at points given in window pixels.
//   screenshot-grab "Plumbrule" out.png [X,Y ...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstring>

// A left click at (x, y) of the window, sent as X events.
static void click(Display* display, Window window, int x, int y) {
    for (const int type : {ButtonPress, ButtonRelease}) {
        XEvent event{};
        event.xbutton.type = type;
        event.xbutton.display = display;
        event.xbutton.window = window;
        event.xbutton.root = DefaultRootWindow(display);
        event.xbutton.subwindow = None;
        event.xbutton.time = CurrentTime;
        event.xbutton.x = x;
        event.xbutton.y = y;
        event.xbutton.same_screen = True;
        event.xbutton.button = Button1;
        event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
        XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask,
                   &event);
        XFlush(display);
        QThread::msleep(60);
    }
}

static Window findWindow(Display* display, Window parent, const char* name) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) && title) {
            if (std::strcmp(title, name) == 0) found = children[i];
            XFree(title);
        }
        if (!found) found = findWindow(display, children[i], name);
    }
    if (children) XFree(children);
    return found;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOW-NAME OUT.png [X,Y ...]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    Window window = 0;
    for (int tries = 0; tries < 100 && !window; ++tries) {
        window = findWindow(display, DefaultRootWindow(display), argv[1]);
        if (!window) QThread::msleep(50);
    }
    if (!window) {
        std::fprintf(stderr, "no window named %s\n", argv[1]);
        return 1;
    }
    QThread::msleep(300);  // let it start and paint
    for (int i = 3; i < argc; ++i) {
        int x = 0, y = 0;
        if (std::sscanf(argv[i], "%d,%d", &x, &y) == 2) click(display, window, x, y);
    }
    QThread::msleep(300);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    XCloseDisplay(display);
    return picture.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
