// Keystroke text through the parser, and the parsed keys written back in the notation.

#include "fuzz_text.h"
#include "script/keystroke_notation.h"
#include "script/keystroke_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tandrel;
    const QString text = fuzz::textFromBytes(data, size);
    // The same text as the rest of a modifier line and as a single-key line sends it.
    (void)parseKeystrokes(modifierLineText(LineKind::Ctrl, text));
    (void)parseKeystrokes(singleKeyText(text));
    const Result<QList<KeyAction>> parsed = parseKeystrokes(text);
    if (!parsed)
        return 0;
    const QString written = keystrokeText(parsed.value());
    const Result<QList<KeyAction>> again = parseKeystrokes(written);
    if (!again)
        fuzz::propertyBroken("the written keys do not parse:", written + " / " + again.error());
    if (again.value() != parsed.value())
        fuzz::propertyBroken("the written keys parse to other keys:", written);
    return 0;
}
