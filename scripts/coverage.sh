#!/usr/bin/env bash
# Line coverage of src/ per directory: a --coverage build in build-cov/, the whole suite, gcovr.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-cov -DTANDREL_COVERAGE=ON "${launcher[@]}"
cmake --build build-cov -j"${JOBS:-$(nproc)}"
find build-cov -name '*.gcda' -delete
ctest --test-dir build-cov --output-on-failure --timeout 600 -j"${JOBS:-$(nproc)}"
gcovr -r . build-cov --filter 'src/' --json-summary build-cov/coverage.json
python3 - build-cov/coverage.json <<'PY'
import collections, json, os, sys
totals = collections.defaultdict(lambda: [0, 0])
for entry in json.load(open(sys.argv[1]))["files"]:
    for key in (os.path.dirname(entry["filename"]), "src (all)"):
        totals[key][0] += entry["line_covered"]
        totals[key][1] += entry["line_total"]
for directory, (covered, total) in sorted(totals.items()):
    print(f"{directory:28} {covered:5}/{total:<5} {100.0 * covered / total:5.1f} %")
PY
