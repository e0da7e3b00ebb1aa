#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for SECONDS (default 60).
# Further arguments go to every libFuzzer run ("-max_len=131072"). A finding makes the
# script fail and stays in fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
mkdir -p fuzz/findings build-fuzz/logs

failed=0
printf '%-20s %12s %8s %10s %10s  %s\n' target executions seconds cov ft findings
for dir in fuzz/corpus/*/; do
    target=$(basename "$dir")
    fuzzer=build-fuzz/fuzz_$target
    log=build-fuzz/logs/$target.log
    # New inputs go to the build folder; the seeds in the tree stay as they are.
    mkdir -p "build-fuzz/corpus/$target"
    before=$(find fuzz/findings -type f | wc -l)
    start=$SECONDS
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -max_len=8192 \
        -dict="fuzz/$target.dict" -artifact_prefix="fuzz/findings/$target-" \
        -print_final_stats=1 "$@" "build-fuzz/corpus/$target" "$dir" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
    findings=$(($(find fuzz/findings -type f | wc -l) - before))
    if ((status != 0 && findings == 0)); then
        findings=1 # a failure that left no input, such as a fuzzer that would not start
    fi
    printf '%-20s %12s %8s %10s %10s  %s\n' "$target" "${executions:-0}" $((SECONDS - start)) \
        "$(awk '{print $2}' <<<"$coverage")" "$(awk '{print $4}' <<<"$coverage")" "$findings"
    if ((findings > 0)); then
        failed=1
        grep -E 'ERROR|PROPERTY BROKEN|runtime error|Test unit written' "$log" | head -n 5 || true
    fi
done
exit "$failed"
