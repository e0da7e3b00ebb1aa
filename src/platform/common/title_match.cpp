#include "platform/common/title_match.h"

namespace tandrel {

namespace {

template <typename Matches>
std::optional<qsizetype> topmost(const QStringList& titles, Matches matches) {
    for (qsizetype i = titles.size() - 1; i >= 0; --i) {
        if (matches(titles[i]))
            return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<qsizetype> chooseWindowByTitle(const QStringList& titlesBottomToTop,
                                             const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    if (auto exact = topmost(titlesBottomToTop, [&](const QString& title) {
            return title.compare(text, Qt::CaseInsensitive) == 0;
        }))
        return exact;
    return topmost(titlesBottomToTop, [&](const QString& title) {
        return title.startsWith(text, Qt::CaseInsensitive);
    });
}

} // namespace tandrel
