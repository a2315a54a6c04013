#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for FUZZ_SECONDS (20 by default), two at a time, starting from
# its seeds in fuzz/corpus/<name>/. Fails when a target finds a crash, a sanitizer error or a
# broken invariant; its reproducer is left in build-fuzz/findings/.
#   bash fuzz/run.sh [target…]      (all targets when none is named)
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
install_missing "${FUZZ_PACKAGES[@]}"
BUILD="$ROOT/build-fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-20}"

CC=clang CXX=clang++ cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j 2

mapfile -t targets < <(if [ $# -gt 0 ]; then printf '%s\n' "$@"; else grep -v '^$' "$BUILD/targets.txt"; fi)
mkdir -p "$BUILD/findings"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# One target: its log in build-fuzz/<name>.log, its line of the summary in <name>.summary.
fuzz_one() {
  local t="$1" seeds="$ROOT/fuzz/corpus/$1" corpus="$BUILD/corpus/$1" log="$BUILD/$1.log"
  mkdir -p "$corpus"
  if [ ! -d "$seeds" ]; then
    echo "$t: no seeds in fuzz/corpus/$t" >"$log"
    printf '%-18s FAILED\n' "$t" >"$BUILD/$t.summary"
    return
  fi
  if "$BUILD/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$BUILD/findings/$t-" "$corpus" "$seeds" >"$log" 2>&1; then
    local done_line execs rate cov ft corp
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    cov="$(grep -oE 'cov: [0-9]+' <<<"$done_line" | grep -oE '[0-9]+' || true)"
    ft="$(grep -oE 'ft: [0-9]+' <<<"$done_line" | grep -oE '[0-9]+' || true)"
    corp="$(grep -oE 'corp: [0-9]+/[0-9]+[A-Za-z]*' <<<"$done_line" | cut -d' ' -f2 || true)"
    printf '%-18s %10s runs %8s exec/s  cov %5s  ft %6s  corpus %s\n' "$t" "$execs" "$rate" "$cov" "$ft" "$corp" \
      >"$BUILD/$t.summary"
  else
    printf '%-18s FAILED\n' "$t" >"$BUILD/$t.summary"
  fi
}

running=0
for t in "${targets[@]}"; do
  echo "fuzz: $t for ${SECONDS_EACH} s"
  fuzz_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge 2 ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

failed=0
echo "fuzz summary:"
for t in "${targets[@]}"; do
  line="$(cat "$BUILD/$t.summary")"
  echo "  $line"
  case "$line" in
    *FAILED)
      failed=$((failed + 1))
      echo "fuzz: $t FOUND A FAULT; the last lines of build-fuzz/$t.log:" >&2
      tail -40 "$BUILD/$t.log" >&2
      ;;
  esac
done
echo "fuzz: $(( ${#targets[@]} - failed )) passed, $failed failed"
[ "$failed" -eq 0 ]
