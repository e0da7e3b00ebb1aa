#pragma once

// The texts that the typing benchmarks send, and how far what arrived is from what was sent.

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace tandrel::bench {

// Text as typed, without the notation's special characters, so that the same text is keystroke
// text for tandrel and plain text for wtype.
inline QString asciiText(int length) {
    const QString alphabet = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:'\"!?/-=_<>@#$&*|\\");
    QRandomGenerator random(20240601);
    QString text;
    while (text.size() < length)
        text += alphabet.at(random.bounded(alphabet.size()));
    return text;
}

// Mostly ASCII with characters that no key of the "us" layout types.
inline QString mixedText(int length) {
    const QString line = QStringLiteral("Grüße aus Köln: 5 € für Straße, Жук и ёж, 中文字, café ");
    QString text;
    while (text.size() < length)
        text += line;
    return text.left(length);
}

inline QStringList linesOf(const QString& text) {
    QStringList lines;
    for (qsizetype at = 0; at < text.size(); at += 100)
        lines << text.mid(at, 100);
    return lines;
}

inline int editDistance(const QString& a, const QString& b) {
    std::vector<int> previous(size_t(b.size()) + 1);
    std::vector<int> current(previous.size());
    for (size_t j = 0; j < previous.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int substitution = previous[size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[size_t(j)] =
                std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

} // namespace tandrel::bench
