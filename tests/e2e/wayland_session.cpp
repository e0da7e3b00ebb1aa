#include "wayland_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wayland-client.h>

namespace tandrel::e2e {
namespace {

constexpr int endingMs = 5000;

void collectWindows(const QJsonObject& node, QList<SwayWindow>& windows) {
    // Only views carry a pid; outputs and workspaces hold them. The client area lies inside the
    // container's rectangle.
    const QJsonObject outer = node["rect"].toObject(), inner = node["window_rect"].toObject();
    if (node.contains(QLatin1String("pid")))
        windows.append(
            {node["name"].toString(), node["app_id"].toString(), node["pid"].toInteger(),
             node["focused"].toBool(),
             QRect(outer["x"].toInt() + inner["x"].toInt(), outer["y"].toInt() + inner["y"].toInt(),
                   inner["width"].toInt(), inner["height"].toInt())});
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[QLatin1String(key)].toArray())
            collectWindows(child.toObject(), windows);
}

// The first entry of the runtime directory whose name begins with the prefix, not a lock file.
QString socketIn(const QString& directory, const QString& prefix) {
    for (const QString& name :
         QDir(directory).entryList({prefix + u'*'}, QDir::System | QDir::Files))
        if (!name.endsWith(QLatin1String(".lock")))
            return name;
    return {};
}

// wlr-virtual-pointer, written out by hand: Debian packages no XML of it for wayland-scanner. The
// session only makes a pointer and never sends it a request.
const wl_interface virtualPointer = {"zwlr_virtual_pointer_v1", 1, 0, nullptr, 0, nullptr};
const wl_interface* createTypes[] = {&wl_seat_interface, &virtualPointer};
const wl_message createPointer = {"create_virtual_pointer", "?on", createTypes};
const wl_interface pointerManager = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, &createPointer, 0, nullptr};

} // namespace

WaylandSession::WaylandSession(Compositor compositor) {
    const passwd* user = ::getpwnam("nobody");
    const group* users = ::getgrnam("nogroup");
    if (!user || !dir_.isValid())
        return;
    uid_ = user->pw_uid;
    gid_ = users ? users->gr_gid : user->pw_gid;
    // The user passes through the test's directory into its own, which it alone may enter.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ExeGroup | QFile::ExeOther);
    const QString runtime = dir_.filePath(QStringLiteral("run"));
    for (const QString& directory :
         {runtime, path({}), path("data"), path("config"), path("cache"), path("drive_c")})
        if (!makeUserDirectory(directory))
            return;
    environment_.insert("PATH", qEnvironmentVariable("PATH", "/usr/local/bin:/usr/bin:/bin"));
    environment_.insert("LANG", "C.UTF-8"); // wtype and foot read their text as UTF-8
    environment_.insert("HOME", path({}));
    environment_.insert("XDG_RUNTIME_DIR", runtime);
    environment_.insert("XDG_DATA_HOME", path("data"));
    environment_.insert("XDG_CONFIG_HOME", path("config"));
    environment_.insert("XDG_CACHE_HOME", path("cache"));

    QProcessEnvironment environment = environment_;
    QStringList command;
    if (compositor == Compositor::Sway) {
        // XWayland runs as the user: had it to make this directory, the directory would be the
        // user's, closed to the X servers of other users and tests.
        if (::mkdir("/tmp/.X11-unix", 01777) == 0)
            ::chmod("/tmp/.X11-unix", 01777);
        // No bar and no key bindings, which would want programs of their own; a screen as large
        // as tandrel's screen check asks for; no borders, so that a window's client area is where
        // its container is, even in the tree of a window that sway is still placing.
        if (!write("sway.conf", "xwayland enable\noutput * mode 1280x1024\ndefault_border none\n"))
            return;
        command = {"sway", "-c", path("sway.conf")};
        environment.insert("WLR_BACKENDS", "headless");
        environment.insert("WLR_RENDERER", "pixman");
        environment.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    } else {
        // Its output would be 1024 by 640, smaller than tandrel's screen check asks for.
        command = {"weston", "--backend=headless-backend.so", "--no-config", "--socket=wayland-0"};
        command.append({"--width=1280", "--height=1024"});
    }
    compositor_.setProcessEnvironment(environment);
    compositor_.setProcessChannelMode(QProcess::MergedChannels);
    compositor_.setStandardOutputFile(dir_.filePath(QStringLiteral("compositor.log")));
    // A process group of its own, which the clients join: the session ends them all at once.
    compositor_.setChildProcessModifier([] { ::setpgid(0, 0); });
    compositor_.start(QStandardPaths::findExecutable("setpriv"),
                      asUser(command.first(), command.mid(1)));
    if (!compositor_.waitForStarted(e2eDeadlineMs))
        return;
    group_ = compositor_.processId();

    QString socket;
    awaitCondition([&] {
        socket = socketIn(runtime, "wayland-");
        return !socket.isEmpty() || compositor_.state() != QProcess::Running;
    });
    if (socket.isEmpty())
        return;
    environment_.insert("WAYLAND_DISPLAY", socket);
    environment_.insert("QT_QPA_PLATFORM", "wayland");
    environment_.insert("TANDREL_DRIVE_C", path("drive_c"));
    ready = compositor == Compositor::Weston || awaitSway();
}

bool WaylandSession::awaitSway() {
    const auto running = [&] { return compositor_.state() == QProcess::Running; };
    // It opens its IPC socket after the Wayland one.
    const QString runtime = environment_.value("XDG_RUNTIME_DIR");
    QString ipc;
    awaitCondition([&] { return !(ipc = socketIn(runtime, "sway-ipc.")).isEmpty() || !running(); });
    if (ipc.isEmpty())
        return false;
    environment_.insert("SWAYSOCK", QDir(runtime).filePath(ipc));
    if (!awaitCondition([&] {
            return run("swaymsg", {"-t", "get_version"}).status == 0 || !running();
        }) ||
        !running())
        return false;
    // It gives XWayland's DISPLAY to its own children only.
    const QString displayFile = path(".display");
    if (run("swaymsg", {"exec", "echo \"$DISPLAY\" > '" + displayFile + "'"}).status != 0)
        return false;
    const QByteArray display = awaitValue(
        [&] {
            QFile file(displayFile);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        },
        [](const QByteArray& text) { return text.endsWith('\n'); });
    environment_.insert("DISPLAY", QString::fromLatin1(display.trimmed()));
    return display.startsWith(':');
}

WaylandSession::~WaylandSession() {
    if (pointerConnection_)
        wl_display_disconnect(pointerConnection_);
    if (group_ <= 0)
        return;
    // Asked first, sway takes XWayland's sockets and lock file away; what is left is killed.
    ::kill(-pid_t(group_), SIGTERM);
    compositor_.waitForFinished(endingMs);
    ::kill(-pid_t(group_), SIGKILL);
    compositor_.waitForFinished(endingMs);
}

QString WaylandSession::path(const QString& relative) const {
    const QString home = dir_.filePath(QStringLiteral("home"));
    return relative.isEmpty() ? home : home + u'/' + relative;
}

bool WaylandSession::makeUserDirectory(const QString& directory) const {
    const QByteArray name = QFile::encodeName(directory);
    return (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST) &&
           ::chown(name.constData(), uid_, gid_) == 0;
}

bool WaylandSession::write(const QString& relative, const QByteArray& bytes) const {
    QString directory = path({});
    for (const QString& part : relative.section(u'/', 0, -2).split(u'/', Qt::SkipEmptyParts))
        if (!makeUserDirectory(directory += u'/' + part))
            return false;
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return ::chown(QFile::encodeName(file.fileName()).constData(), uid_, gid_) == 0;
}

QString WaylandSession::executable(const QString& program) {
    if (run("test", {"-x", program}).status == 0)
        return program;
    const QString bin = dir_.filePath(QStringLiteral("bin"));
    const QString copy = bin + u'/' + QFileInfo(program).fileName();
    QDir().mkpath(bin);
    QFile::setPermissions(bin, QFile::permissions(dir_.path()));
    QFile::copy(program, copy);
    return copy;
}

QStringList WaylandSession::asUser(const QString& program, const QStringList& arguments) const {
    return QStringList{"--reuid=" + QString::number(uid_), "--regid=" + QString::number(gid_),
                       "--clear-groups", "--", program} +
           arguments;
}

void WaylandSession::start(QProcess& process, const QString& program, const QStringList& arguments,
                           const QProcessEnvironment& extra) const {
    QProcessEnvironment environment = environment_;
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    const pid_t group = pid_t(group_);
    process.setChildProcessModifier([group] { ::setpgid(0, group); });
    process.start(QStandardPaths::findExecutable("setpriv"), asUser(program, arguments));
    process.waitForStarted(e2eDeadlineMs);
}

WaylandSession::Output WaylandSession::run(const QString& program,
                                           const QStringList& arguments) const {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    start(process, program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(e2eDeadlineMs)) {
        process.kill();
        process.waitForFinished(endingMs);
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

QList<SwayWindow> WaylandSession::windows() const {
    QList<SwayWindow> windows;
    collectWindows(QJsonDocument::fromJson(run("swaymsg", {"-r", "-t", "get_tree"}).out).object(),
                   windows);
    return windows;
}

QString WaylandSession::log() const {
    QFile file(dir_.filePath(QStringLiteral("compositor.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(3000))
                                          : QStringLiteral("(no log)");
}

bool WaylandSession::addPointer() {
    const QString socket =
        QDir(environment_.value("XDG_RUNTIME_DIR")).filePath(environment_.value("WAYLAND_DISPLAY"));
    pointerConnection_ = wl_display_connect(QFile::encodeName(socket).constData());
    if (!pointerConnection_)
        return false;
    uint32_t manager = 0;
    static const wl_registry_listener listener{
        [](void* found, wl_registry*, uint32_t name, const char* interface, uint32_t) {
            if (std::strcmp(interface, pointerManager.name) == 0)
                *static_cast<uint32_t*>(found) = name;
        },
        [](void*, wl_registry*, uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(pointerConnection_);
    wl_registry_add_listener(registry, &listener, &manager);
    if (wl_display_roundtrip(pointerConnection_) < 0 || manager == 0)
        return false;
    auto* managerProxy =
        static_cast<wl_proxy*>(wl_registry_bind(registry, manager, &pointerManager, 1));
    wl_proxy_marshal_constructor(managerProxy, 0, &virtualPointer, nullptr, nullptr);
    return wl_display_roundtrip(pointerConnection_) >= 0;
}

} // namespace tandrel::e2e
