#include "startup/windows_drive.h"

namespace tandrel {

std::optional<QString> findWindowsDrive(const FileSystem& files) {
    for (const QChar letter : QStringLiteral("CDEFGHIJ")) {
        if (files.directoryExists(QString(letter) + QStringLiteral(":\\WINDOWS\\")))
            return QString(letter);
    }
    return std::nullopt;
}

} // namespace tandrel
