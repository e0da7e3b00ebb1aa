#include "platform/wayland/wayland_clipboard.h"

#include "wlr-data-control-unstable-v1-client.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

namespace tandrel {

namespace {

// An owner that never answers costs this much, then the clipboard reads as empty.
constexpr qint64 readTimeoutMs = 5000;
constexpr int pollSliceMs = 10;

const QStringList textTypes{QStringLiteral("text/plain;charset=utf-8"),
                            QStringLiteral("text/plain"), QStringLiteral("UTF8_STRING"),
                            QStringLiteral("TEXT"), QStringLiteral("STRING")};

WaylandClipboard& clipboardOf(void* data) {
    return *static_cast<WaylandClipboard*>(data);
}

} // namespace

std::unique_ptr<WaylandClipboard> WaylandClipboard::create(wayland::Connection& connection) {
    if (!connection.globals().dataControl || !connection.globals().seat)
        return nullptr;
    std::unique_ptr<WaylandClipboard> clipboard(new WaylandClipboard(connection));
    if (!connection.roundtrip())
        return nullptr;
    return clipboard;
}

WaylandClipboard::WaylandClipboard(wayland::Connection& connection)
    : connection_(connection) {
    static const zwlr_data_control_device_v1_listener deviceListener{
        [](void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
            clipboardOf(data).offered(offer);
        },
        [](void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
            clipboardOf(data).selected(offer);
        },
        [](void*, zwlr_data_control_device_v1*) {},
        [](void*, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1*) {},
    };
    device_ = zwlr_data_control_manager_v1_get_data_device(connection.globals().dataControl,
                                                           connection.globals().seat);
    zwlr_data_control_device_v1_add_listener(device_, &deviceListener, this);
}

WaylandClipboard::~WaylandClipboard() {
    for (const auto& [offer, types] : offers_)
        zwlr_data_control_offer_v1_destroy(offer);
    zwlr_data_control_device_v1_destroy(device_);
}

void WaylandClipboard::offered(zwlr_data_control_offer_v1* offer) {
    static const zwlr_data_control_offer_v1_listener offerListener{
        [](void* data, zwlr_data_control_offer_v1* offer, const char* mimeType) {
            clipboardOf(data).offers_[offer] << QString::fromUtf8(mimeType);
        },
    };
    offers_[offer];
    zwlr_data_control_offer_v1_add_listener(offer, &offerListener, this);
}

// Only the offer that is the selection now can be read; the others are done with.
void WaylandClipboard::selected(zwlr_data_control_offer_v1* offer) {
    selection_ = offer;
    std::erase_if(offers_, [offer](const auto& entry) {
        if (entry.first == offer)
            return false;
        zwlr_data_control_offer_v1_destroy(entry.first);
        return true;
    });
}

QString WaylandClipboard::text() {
    if (!connection_.roundtrip() || !selection_)
        return {};
    const QStringList& types = offers_[selection_];
    for (const QString& type : textTypes) {
        if (types.contains(type))
            return QString::fromUtf8(receive(type));
    }
    return {};
}

// The owner writes into a pipe; our own event loop keeps running meanwhile, since the owner
// may be this very process.
QByteArray WaylandClipboard::receive(const QString& mimeType) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {};
    zwlr_data_control_offer_v1_receive(selection_, mimeType.toUtf8().constData(), fds[1]);
    ::close(fds[1]);
    connection_.flush();
    QByteArray bytes;
    QElapsedTimer elapsed;
    elapsed.start();
    while (!elapsed.hasExpired(readTimeoutMs)) {
        pollfd readable{fds[0], POLLIN, 0};
        if (::poll(&readable, 1, pollSliceMs) == 0) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            continue;
        }
        char chunk[4096];
        const ssize_t got = ::read(fds[0], chunk, sizeof chunk);
        if (got <= 0)
            break;
        bytes.append(chunk, got);
    }
    ::close(fds[0]);
    return bytes;
}

void WaylandClipboard::clear() {
    zwlr_data_control_device_v1_set_selection(device_, nullptr);
    connection_.roundtrip();
}

} // namespace tandrel
