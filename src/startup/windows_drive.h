#pragma once

#include "platform/file_system.h"

#include <QString>
#include <optional>

namespace tandrel {

// The first letter from C to J whose drive holds a WINDOWS directory; nothing when none does.
std::optional<QString> findWindowsDrive(const FileSystem& files);

} // namespace tandrel
