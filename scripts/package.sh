#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian packages of both programs,
# veltora_<version>-1_<arch>.deb and zenkla_<version>-1_<arch>.deb, in build/packages.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGING_PACKAGES[@]}"
build "$ROOT/build"
out="$ROOT/build/packages"
rm -rf "$out"
cpack --config "$ROOT/build/CPackConfig.cmake" -G DEB -B "$out"
# CPack's staging area is of no further use.
rm -rf "$out/_CPack_Packages"
ls -l "$out"/*.deb
