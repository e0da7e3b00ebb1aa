#pragma once

#include <QStringList>
#include <optional>

namespace tandrel {

// The window to bring to the front for a title text, given the titles of the top-level
// windows from the bottom of the stack to the top: the topmost whose title equals the text,
// else the topmost whose title begins with it, both ignoring letter case. An empty text
// names no window.
std::optional<qsizetype> chooseWindowByTitle(const QStringList& titlesBottomToTop,
                                             const QString& text);

} // namespace tandrel
