#include "x11_session.h"

#include <QElapsedTimer>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tandrel::e2e {

namespace {

constexpr int startTimeoutMs = 10000;

pid_t spawn(const std::vector<std::string>& arguments, int keepOpen) {
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Out of our process group, so that a terminal's Ctrl+C reaches only the test.
        ::setpgid(0, 0);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        for (int fd = 3; fd < 1024; ++fd) {
            if (fd != keepOpen)
                ::close(fd);
        }
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t& pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        QThread::msleep(10);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

// The manager has set _NET_SUPPORTING_WM_CHECK on the root to a window that names itself.
bool managerAnnounced(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    auto named = [&](Window window) -> Window {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        Window result = 0;
        if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &remaining, &data) == Success &&
            data && count == 1)
            result = *reinterpret_cast<Window*>(data);
        if (data)
            XFree(data);
        return result;
    };
    const Window supporting = named(DefaultRootWindow(display));
    return supporting != 0 && named(supporting) == supporting;
}

} // namespace

X11Session::X11Session(Manager manager) {
    hadDisplay_ = qEnvironmentVariableIsSet("DISPLAY");
    previousDisplay_ = qEnvironmentVariable("DISPLAY");
    if (startServer() && manager == Manager::Openbox)
        startManager();
}

X11Session::~X11Session() {
    stop(managerPid_);
    stop(serverPid_);
    if (hadDisplay_)
        qputenv("DISPLAY", previousDisplay_.toLocal8Bit());
    else
        qunsetenv("DISPLAY");
}

bool X11Session::startServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = QStringLiteral("No pipe for Xvfb.");
        return false;
    }
    serverPid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                        "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                       fds[1]);
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    QByteArray number;
    pollfd descriptor{fds[0], POLLIN, 0};
    while (!number.endsWith('\n') && ::poll(&descriptor, 1, startTimeoutMs) > 0) {
        char buffer[16];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        number.append(buffer, got);
    }
    ::close(fds[0]);
    if (!number.endsWith('\n')) {
        error_ = QStringLiteral("Xvfb did not start.");
        return false;
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display_.toLocal8Bit());
    return true;
}

bool X11Session::startManager() {
    managerPid_ = spawn({"openbox", "--sm-disable"}, -1);
    Display* display = XOpenDisplay(display_.toLocal8Bit().constData());
    if (!display) {
        error_ = QStringLiteral("The private X server refuses connections.");
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    bool announced = false;
    while (!(announced = managerAnnounced(display)) && !waited.hasExpired(startTimeoutMs))
        QThread::msleep(20);
    XCloseDisplay(display);
    if (!announced)
        error_ = QStringLiteral("openbox did not start.");
    return announced;
}

} // namespace tandrel::e2e
