#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
# With --sanitize the tests are built and run with AddressSanitizer and UndefinedBehaviorSanitizer;
# the slow end-to-end tests (label e2e: the screen-reader test) run in the plain build only.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGING_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${SCREEN_READER_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
  dir="$ROOT/build-sanitize"
  build "$dir" -DVELTORA_SANITIZE=ON
  skip=(-LE e2e)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  dir="$ROOT/build"
  build "$dir"
  skip=()
fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "${skip[@]}"
