#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zenkla. Its results file kontr.txt is written
# to the working directory: run it from the folder where the teacher keeps the results.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build "$ROOT/build"
exec "$ROOT/build/trainer/zenkla"
