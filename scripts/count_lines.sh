#!/usr/bin/env bash
# Lines of tests/ against lines of src/ (C++ sources, headers, Python and shell scripts).
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) -print0 |
        xargs -0 cat | wc -l
}
tests=$(count tests)
src=$(count src)
echo "tests/ $tests lines, src/ $src lines: $((100 * tests / src)) %"
