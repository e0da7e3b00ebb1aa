#include "platform/x11/x11_properties.h"

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

// One property's raw value, freed on scope exit.
class PropertyValue {
public:
    PropertyValue(Display* display, Window window, Atom property, Atom type) {
        int format = 0;
        unsigned long remaining = 0;
        Atom actualType = 0;
        const int result = XGetWindowProperty(display, window, property, 0, 1 << 20, False, type,
                                              &actualType, &format, &count_, &remaining, &data_);
        if (result != Success || actualType == noWindow) {
            freeData();
            count_ = 0;
        }
        format_ = format;
    }
    ~PropertyValue() { freeData(); }
    PropertyValue(const PropertyValue&) = delete;
    PropertyValue& operator=(const PropertyValue&) = delete;

    bool present() const { return data_ != nullptr; }
    int format() const { return format_; }
    unsigned long count() const { return count_; }
    const unsigned char* bytes() const { return data_; }
    // Xlib hands 32-bit items back as longs.
    const unsigned long* longs() const { return reinterpret_cast<const unsigned long*>(data_); }

private:
    void freeData() {
        if (data_)
            XFree(data_);
        data_ = nullptr;
    }

    unsigned char* data_ = nullptr;
    unsigned long count_ = 0;
    int format_ = 0;
};

std::optional<QString> legacyTitle(Display* display, Window window) {
    XTextProperty text{};
    if (!XGetWMName(display, window, &text) || !text.value)
        return std::nullopt;
    char** list = nullptr;
    int count = 0;
    std::optional<QString> title;
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list) {
        title = count > 0 ? QString::fromUtf8(list[0]) : QString();
        XFreeStringList(list);
    }
    XFree(text.value);
    return title;
}

} // namespace

unsigned long atom(XDisplay* display, const char* name) {
    return XInternAtom(display, name, False);
}

WindowId rootWindow(XDisplay* display) {
    return DefaultRootWindow(display);
}

std::optional<QString> windowTitle(XDisplay* display, WindowId window) {
    const PropertyValue name(display, window, atom(display, "_NET_WM_NAME"),
                             atom(display, "UTF8_STRING"));
    if (name.present() && name.format() == 8)
        return QString::fromUtf8(reinterpret_cast<const char*>(name.bytes()),
                                 qsizetype(name.count()));
    return legacyTitle(display, window);
}

std::optional<unsigned long> cardinalProperty(XDisplay* display, WindowId window,
                                              const char* property) {
    const PropertyValue value(display, window, atom(display, property), XA_CARDINAL);
    if (!value.present() || value.format() != 32 || value.count() < 1)
        return std::nullopt;
    return value.longs()[0];
}

std::vector<WindowId> windowListProperty(XDisplay* display, WindowId window, const char* property) {
    const PropertyValue value(display, window, atom(display, property), XA_WINDOW);
    if (!value.present() || value.format() != 32)
        return {};
    return std::vector<WindowId>(value.longs(), value.longs() + value.count());
}

bool supportsProtocol(XDisplay* display, WindowId window, const char* protocol) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    const Atom wanted = atom(display, protocol);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == wanted;
    XFree(protocols);
    return found;
}

WindowId topLevelOf(XDisplay* display, WindowId window) {
    const Window root = rootWindow(display);
    Window current = window;
    while (current != noWindow && current != root) {
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, current, &rootReturn, &parent, &children, &count))
            return noWindow;
        if (children)
            XFree(children);
        if (parent == root)
            return current;
        current = parent;
    }
    return current;
}

} // namespace tandrel::x11
