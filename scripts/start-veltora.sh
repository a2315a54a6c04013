#!/usr/bin/env bash
# Installs what is missing, builds, and starts Veltora in the build folder, which holds the
# reward pictures "paveikslai" that the program reads from its working directory.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build "$ROOT/build"
cd "$ROOT/build"
exec ./veltora
