// Start-up time of a program to a visible window: the time from exec until the first
// MapNotify on the root window (a top-level window, or the frame a window manager put around
// it) that holds a window whose caption (_NET_WM_NAME) begins with the given text. The
// program is ended after.
//
//   bench_startup CAPTION COMMAND [ARGS …]    prints the milliseconds
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string netWmName(Display* display, Window window)
{
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (format == 8)
            text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return text;
}

bool holdsCaption(Display* display, Window window, const std::string& caption, int depth)
{
    if (netWmName(display, window).rfind(caption, 0) == 0) // the caption starts with it
        return true;
    if (depth == 0)
        return false;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    bool found = false;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = holdsCaption(display, children[i], caption, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0; // windows come and go while they are looked at
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: bench_startup CAPTION COMMAND [ARGS …]\n", stderr);
        return 2;
    }
    const std::string caption = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("bench_startup: no X display\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double ms = -1;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (ms < 0) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == MapNotify && holdsCaption(display, e.xmap.window, caption, 3)) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
        if (ms >= 0)
            break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20) || waitpid(child, nullptr, WNOHANG))
            break;
        poll(&fd, 1, 50);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0) {
        std::fprintf(stderr, "bench_startup: no window \"%s\" appeared\n", caption.c_str());
        return 1;
    }
    std::printf("%.1f\n", ms);
    return 0;
}
