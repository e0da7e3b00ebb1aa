#include "dialogs/line_commit.h"

#include <array>

namespace tandrel {

int stopCount(const QString& dialogField, const QString& editField) {
    return int(dialogField.startsWith(stopMark)) + int(editField.startsWith(stopMark));
}

QString cutToBareToken(const QString& field) {
    static const std::array<QString, 4> bareTokens = {
        QStringLiteral("{Clip Paste}"), QStringLiteral("{Clip Clear}"),
        QStringLiteral("{Start Again}"), QStringLiteral("{eXit}")};
    for (const QString& token : bareTokens)
        if (field.startsWith(token))
            return token;
    return field;
}

std::optional<QString> committedLine(const QString& saveButtonCaption, const QString& dialogField,
                                     const QString& editField) {
    if (saveButtonCaption == QLatin1String("Save"))
        return dialogField;
    if (saveButtonCaption == QLatin1String("OK"))
        return editField;
    return std::nullopt;
}

} // namespace tandrel
