#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tandrel::fuzz {

// The fuzzer's bytes as text: UTF-8 that also admits encoded surrogates ("\xED\xA0\x80" is a
// lone U+D800), so that every QString, broken ones included, can be reached; a byte that
// starts no complete sequence stands for the Latin-1 character of its value.
inline QString textFromBytes(const uint8_t* data, size_t size) {
    QString text;
    text.reserve(qsizetype(size));
    size_t i = 0;
    while (i < size) {
        const uint8_t lead = data[i];
        const size_t length = lead < 0x80             ? 1
                              : (lead & 0xE0) == 0xC0 ? 2
                              : (lead & 0xF0) == 0xE0 ? 3
                              : (lead & 0xF8) == 0xF0 ? 4
                                                      : 0;
        constexpr uint8_t leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
        char32_t code = lead & leadBits[length];
        bool complete = length > 0 && i + length <= size;
        for (size_t k = 1; complete && k < length; ++k) {
            complete = (data[i + k] & 0xC0) == 0x80;
            code = code << 6 | (data[i + k] & 0x3F);
        }
        if (!complete || code > 0x10FFFF) {
            text += QChar(char16_t(lead));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code));
        }
        i += length;
    }
    return text;
}

// A broken property: say which, and stop so that the fuzzer keeps the input.
[[noreturn]] inline void propertyBroken(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "PROPERTY BROKEN: %s %s\n", what, qPrintable(detail.left(200)));
    std::abort();
}

} // namespace tandrel::fuzz
