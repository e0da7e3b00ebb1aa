#include "platform/x11/x11_windows.h"

#include "platform/common/title_match.h"
#include "platform/x11/x11_top_levels.h"

#include <QStringList>

namespace tandrel {

namespace {

constexpr std::chrono::milliseconds focusTimeout{1500};

} // namespace

X11Windows::X11Windows(x11::DisplayPtr display)
    : display_(std::move(display)) {}

Status X11Windows::activate(const QString& title) {
    ++titleActivations_;
    const auto windows = x11::listTopLevels(display_.get());
    QStringList titles;
    for (const auto& window : windows)
        titles << window.title;
    const auto chosen = chooseWindowByTitle(titles, title);
    if (!chosen)
        return Status::failure(QStringLiteral("No window has the title \"%1\".").arg(title));
    const Status activated =
        x11::activateWindow(display_.get(), windows[size_t(*chosen)].window, focusTimeout);
    if (!activated)
        return Status::failure(QStringLiteral("The window \"%1\" did not take the focus.")
                                   .arg(windows[size_t(*chosen)].title));
    return activated;
}

bool X11Windows::activateWindowOf(long long pid) {
    const auto window = x11::windowOfProcess(display_.get(), pid);
    if (!window)
        return false;
    x11::activateWindow(display_.get(), *window, focusTimeout);
    return true;
}

} // namespace tandrel
