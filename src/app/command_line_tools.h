#pragma once

#include <optional>

namespace tandrel {

// The options a user or a script runs from a shell: --check, --trace, --help and --version.
// They need no display and write nothing. Nothing is done, and nothing returned, unless the
// first argument begins with "--": program names and "/x", "/u" keep their meaning.
std::optional<int> runCommandLineTool(int argc, char* argv[]);

} // namespace tandrel
