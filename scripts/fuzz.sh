#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each one: first over its seed corpus in tests/fuzz/corpus/ (the regression run), then for SECONDS
# more of new inputs (default 60). New inputs that reach new code are kept in build-fuzz/corpus/;
# an input that breaks a target is saved in build-fuzz/crashes/ and makes the script fail.
# With --runs N instead of SECONDS each target runs N new inputs, however long that takes, and the
# table also gives the time and the corpus size it ended with.
# Usage: scripts/fuzz.sh [SECONDS | --runs N] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
runs=
if [ "$seconds" = --runs ]; then
  runs=$2
  seconds=1
  shift
fi
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(info_reply sd_card_reply master_volume_reply show_replies cue_reply emulator config_file commands rig_file)

scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz

failed=0
printf '%-22s %12s %12s %8s %10s %12s\n' target "seed inputs" executions crashes seconds "corpus files"
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t crashes=build-fuzz/crashes/$t log=build-fuzz/$t.log
  mkdir -p "$work" "$crashes"
  bin=build-fuzz/fuzz_$t
  seeds=$(find "tests/fuzz/corpus/$t" -type f | wc -l)
  status=0
  # The regression run: every seed input once.
  "$bin" -runs=0 "tests/fuzz/corpus/$t" >"$log" 2>&1 || status=$?
  start=$(date +%s)
  if [ "$status" = 0 ] && [ "$seconds" -gt 0 ]; then
    if [ -n "$runs" ]; then limit=(-runs="$runs"); else limit=(-max_total_time="$seconds"); fi
    # libFuzzer empties the allocator's caches and quarantine every second once the process has used
    # half the memory limit; on a long run that took over 40% of the time. Once a minute is enough.
    "$bin" "${limit[@]}" -rss_limit_mb=2048 -purge_allocator_interval=60 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$work" "tests/fuzz/corpus/$t" >>"$log" 2>&1 || status=$?
  fi
  took=$(($(date +%s) - start))
  executed=$(awk '/stat::number_of_executed_units/ {print $NF}' "$log" | tail -n 1)
  found=$(find "$crashes" -type f | wc -l)
  printf '%-22s %12s %12s %8s %10s %12s\n' "$t" "$seeds" "${executed:-0}" "$found" "$took" \
    "$(find "$work" -type f | wc -l)"
  if [ "$status" != 0 ]; then
    failed=1
    echo "fuzz_$t failed (exit $status); its output ($log):" >&2
    grep -E -A25 'ERROR|check failed|ASSERT|runtime error' "$log" | head -n 60 >&2 || tail -n 30 "$log" >&2
  fi
done
exit $failed
