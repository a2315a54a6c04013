#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for FUZZ_SECONDS (30 by default), starting from its seeds in
# fuzz/corpus/<name>/. Fails on the first target that finds a crash, a sanitizer error or a
# broken invariant; its reproducer is left in build-fuzz/findings/.
#   bash fuzz/run.sh [target…]      (all targets when none is named)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-30}"

CC=clang CXX=clang++ cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j 2

mapfile -t targets < <(if [ $# -gt 0 ]; then printf '%s\n' "$@"; else grep -v '^$' "$BUILD/targets.txt"; fi)
mkdir -p "$BUILD/findings"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
status=0
summary=()
for t in "${targets[@]}"; do
  corpus="$BUILD/corpus/$t"
  mkdir -p "$corpus"
  seeds="$ROOT/fuzz/corpus/$t"
  [ -d "$seeds" ] || { echo "fuzz: no seeds for $t in fuzz/corpus/$t" >&2; exit 1; }
  log="$BUILD/$t.log"
  echo "fuzz: $t for ${SECONDS_EACH} s"
  if "$BUILD/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$BUILD/findings/$t-" "$corpus" "$seeds" >"$log" 2>&1; then
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    cov="$(echo "$done_line" | grep -oE 'cov: [0-9]+' | grep -oE '[0-9]+' || true)"
    ft="$(echo "$done_line" | grep -oE 'ft: [0-9]+' | grep -oE '[0-9]+' || true)"
    corp="$(echo "$done_line" | grep -oE 'corp: [0-9]+/[0-9]+[A-Za-z]*' | cut -d' ' -f2 || true)"
    summary+=("$(printf '%-13s %10s runs %8s exec/s  cov %5s  ft %6s  corpus %s' "$t" "$execs" "$rate" "$cov" "$ft" "$corp")")
  else
    echo "fuzz: $t FOUND A FAULT; the last lines of $log:" >&2
    tail -40 "$log" >&2
    summary+=("$(printf '%-13s FAILED' "$t")")
    status=1
  fi
done
echo "fuzz summary:"
printf '  %s\n' "${summary[@]}"
failed=0
for line in "${summary[@]}"; do case "$line" in *FAILED) failed=$((failed + 1)) ;; esac; done
echo "fuzz: $(( ${#summary[@]} - failed )) passed, $failed failed"
exit $status
