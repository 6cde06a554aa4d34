#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz preset (clang) for SECONDS each
# (default 60), one after another, over its seed corpus, and prints the
# executions per reader. New inputs are kept in build/fuzz/fuzz/work/<target>,
# the logs in build/fuzz/fuzz/logs, and a crash as build/fuzz/fuzz/crash-*.
#
#     fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
cmake --build --preset fuzz --target fuzz_corpus >/dev/null

cd build/fuzz/fuzz
mkdir -p logs work
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in ../../../fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

failed=0
for target in "${targets[@]}"; do
    mkdir -p "work/$target"
    status=ok
    if ! "./$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "work/$target" "corpus/$target" >"logs/$target.log" 2>&1; then
        status=FAILED
        failed=1
    fi
    executions=$(awk '/stat::number_of_executed_units/ {print $2}' "logs/$target.log")
    printf '%-24s %12s executions in %ss  %s\n' "$target" "${executions:-?}" "$seconds" "$status"
done
exit $failed
