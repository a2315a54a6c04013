#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
# With --sanitize the tests are built and run with AddressSanitizer and UndefinedBehaviorSanitizer;
# the slow end-to-end tests (label e2e: real displays, a screen reader, the classroom of virtual
# machines) run once, in the plain build.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
if [ "${1:-}" = "--sanitize" ]; then
  install_missing "${PACKAGING_PACKAGES[@]}"
  skip=(-LE e2e)
  dir="$ROOT/build-sanitize"
  build "$dir" -DVELTORA_SANITIZE=ON
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  install_missing "${PACKAGING_PACKAGES[@]}" "${SCREEN_PACKAGES[@]}" "${SCREEN_READER_PACKAGES[@]}" \
    "${CLASSROOM_PACKAGES[@]}"
  skip=()
  dir="$ROOT/build"
  build "$dir"
fi
status=0
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "${skip[@]}" || status=$?
# The end-to-end tests' figures, one line per run or setup.
grep -hE "^(classroom|screen\.[a-z0-9-]+|screen-reader):" "$dir/Testing/Temporary/LastTest.log" || true
exit "$status"
