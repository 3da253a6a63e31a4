// Starts a program and times its first window on the X display:
//   bench-first-window PROGRAM [ARGUMENTS...]
// Prints "MAPPED DRAWN PID": the milliseconds from the start of the process to
// its first top-level window being mapped and to the first drawing into that
// window after it was mapped, and the program's process id; then waits for the
// program to end and returns its exit status. Both times are measured the same
// way for any program, so that two programs can be compared.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using DamageQueryExtension = Bool (*)(Display *, int *, int *);
using DamageQueryVersion = Status (*)(Display *, int *, int *);
using DamageCreate = XID (*)(Display *, Drawable, int);
constexpr int damageReportNonEmpty = 3;
constexpr int timeoutMs = 60000;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// The process that owns a window, by the property that the toolkit sets; 0 when unknown.
long ownerOf(Display *display, Window window)
{
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data && format == 32 && count == 1)
        pid = *reinterpret_cast<long *>(data);
    if (data)
        XFree(data);
    return pid;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // a window may be gone before we look at it
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench-first-window PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench-first-window: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    // Drawing into a window is seen through the damage extension, opened at run time.
    void *library = dlopen("libXdamage.so.1", RTLD_NOW);
    auto queryExtension = library ? reinterpret_cast<DamageQueryExtension>(dlsym(library, "XDamageQueryExtension")) : nullptr;
    auto queryVersion = library ? reinterpret_cast<DamageQueryVersion>(dlsym(library, "XDamageQueryVersion")) : nullptr;
    auto create = library ? reinterpret_cast<DamageCreate>(dlsym(library, "XDamageCreate")) : nullptr;
    int damageEvent = 0;
    int damageError = 0;
    int major = 1;
    int minor = 1;
    if (!queryExtension || !queryVersion || !create || !queryExtension(display, &damageEvent, &damageError)
        || !queryVersion(display, &major, &minor)) {
        std::fprintf(stderr, "bench-first-window: the X server does not report drawing (no damage extension)\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "bench-first-window: cannot start %s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }

    // Every new top-level window is watched for drawing from its creation on,
    // so that no drawing is missed between its mapping and our look at it.
    Window window = None;
    double mapped = -1;
    double drawn = -1;
    while (drawn < 0) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            if (nowMs() - start > timeoutMs || waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "bench-first-window: %s showed no window\n", argv[1]);
                kill(child, SIGKILL);
                return 1;
            }
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            create(display, event.xcreatewindow.window, damageReportNonEmpty);
        } else if (event.type == MapNotify && window == None && event.xmap.event == root
                   && ownerOf(display, event.xmap.window) == child) {
            mapped = nowMs() - start;
            window = event.xmap.window;
        } else if (event.type == damageEvent && window != None
                   && reinterpret_cast<XAnyEvent &>(event).window == window) {
            drawn = nowMs() - start;
        }
    }
    std::printf("%.1f %.1f %d\n", mapped, drawn, int(child));
    std::fflush(stdout);
    XCloseDisplay(display);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
