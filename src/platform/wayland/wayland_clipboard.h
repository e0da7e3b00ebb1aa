#pragma once

#include "platform/clipboard.h"
#include "platform/wayland/wayland_connection.h"

#include <QStringList>
#include <map>

struct zwlr_data_control_device_v1;
struct zwlr_data_control_offer_v1;

namespace tandrel {

// The clipboard through the compositor's data-control protocol, which reads and clears it
// while another window has the focus (a Wayland client's own clipboard works only while it
// has the focus).
class WaylandClipboard : public Clipboard {
public:
    // Null when the compositor offers no data control.
    static std::unique_ptr<WaylandClipboard> create(wayland::Connection& connection);
    ~WaylandClipboard() override;

    QString text() override;
    void clear() override;

private:
    explicit WaylandClipboard(wayland::Connection& connection);
    void offered(zwlr_data_control_offer_v1* offer);
    void selected(zwlr_data_control_offer_v1* offer);
    QByteArray receive(const QString& mimeType);

    wayland::Connection& connection_;
    zwlr_data_control_device_v1* device_ = nullptr;
    std::map<zwlr_data_control_offer_v1*, QStringList> offers_; // offer -> its MIME types
    zwlr_data_control_offer_v1* selection_ = nullptr;
};

} // namespace tandrel
