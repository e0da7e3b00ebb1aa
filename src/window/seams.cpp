// Procedures that other subsystems call before their own folders define them.

#include "window/tandrel.h"

namespace tandrel {

void Tandrel::LoadHelpManual() {}

} // namespace tandrel
