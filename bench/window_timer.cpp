#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

// Starts a program on the current X display and times it from the start of
// its process until its window has been painted: the end of the first burst
// of drawing into a window it mapped, as the X server's damage reports show
// it. Then reads the program's resident memory and ends it.
// Prints "<milliseconds> <resident KiB>". Usage: window_timer PROGRAM [ARGS...]
namespace {

using Clock = std::chrono::steady_clock;
// Drawing that stops this long is over (a caret's first blink comes later).
constexpr auto quiet = std::chrono::milliseconds(200);
constexpr auto give_up = std::chrono::seconds(30);

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The process a window says it belongs to, if it says.
std::optional<long> window_pid(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
    if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) != Success) {
        return std::nullopt;
    }
    std::unique_ptr<unsigned char, int (*)(void*)> owned(data, XFree);
    if (type != XA_CARDINAL || format != 32 || items != 1) return std::nullopt;
    return *reinterpret_cast<const long*>(data);
}

long resident_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string field; status >> field;) {
        if (field == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

// Some windows cannot be watched: input-only ones (Wine makes those), or
// ones already gone. Watching them fails harmlessly; other errors stay fatal.
int damage_request = 0;
XErrorHandler default_handler = nullptr;

int on_x_error(Display* display, XErrorEvent* error) {
    if (error->request_code == damage_request) return 0;
    return default_handler(display, error);
}

// The next X event before `deadline`; false when none came in time.
bool next_event(Display* display, XEvent& event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd connection{XConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    XNextEvent(display, &event);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    int damage_event = 0;
    int ignored = 0;
    if (!display || XDamageQueryExtension(display.get(), &damage_event, &ignored) == 0 ||
        XQueryExtension(display.get(), "DAMAGE", &damage_request, &ignored, &ignored) == 0) {
        std::fprintf(stderr, "window_timer: needs an X display with the DAMAGE extension\n");
        return 2;
    }
    default_handler = XSetErrorHandler(on_x_error);
    // Every top-level window is watched from its creation, so no drawing
    // can slip past between its mapping and the watch.
    XSelectInput(display.get(), XDefaultRootWindow(display.get()), SubstructureNotifyMask);
    XSync(display.get(), False);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], &argv[1]);
        _exit(127);
    }

    bool mapped = false;
    std::optional<Clock::time_point> painted;
    auto deadline = started + give_up;
    XEvent event{};
    while (next_event(display.get(), event, deadline)) {
        if (event.type == CreateNotify) {
            XDamageCreate(display.get(), event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify) {
            const auto owner = window_pid(display.get(), event.xmap.window);
            mapped = mapped || !owner || *owner == child;
        } else if (event.type == damage_event + XDamageNotify) {
            XDamageSubtract(display.get(), reinterpret_cast<XDamageNotifyEvent&>(event).damage, None, None);
            if (mapped) {
                painted = Clock::now();
                deadline = *painted + quiet;
            }
        }
    }
    const long kib = resident_kib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!painted) {
        std::fprintf(stderr, "window_timer: %s painted no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(*painted - started).count(), kib);
    return 0;
}
