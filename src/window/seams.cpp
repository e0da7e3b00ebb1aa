// Procedures that other subsystems call before their own folders define them.

#include "window/tandrel.h"

namespace tandrel {

void Tandrel::RunFromCommandLine() {}

void Tandrel::pointDriveList(const QString&) {}

void Tandrel::pointDirectoryList(const QString&) {}

} // namespace tandrel
