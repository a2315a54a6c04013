# Shared by the start, test, package and fuzz scripts: installs the Debian packages that are missing and
# builds the project. Source it; it defines install_missing and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What building and running both programs needs.
PACKAGES=(build-essential cmake libgtest-dev libjpeg-dev qt6-base-dev libxcb1-dev fonts-texgyre fonts-liberation)
# What making and checking the Debian packages needs (scripts/package.sh, the packages test):
# CPack's dependency scan runs `file` and dpkg-shlibdeps on the programs.
PACKAGING_PACKAGES=(dpkg-dev file desktop-file-utils appstream)
# The real-display check (testing/screen): X server, window and compositing managers, input from
# outside the programs, Wayland compositor and Qt's Wayland platform, a picture converter.
SCREEN_PACKAGES=(python3 xvfb openbox xcompmgr xdotool x11-utils weston qt6-wayland imagemagick)
# The fuzz targets (fuzz/run.sh): clang and its libFuzzer runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The classroom test (trainer/tests/classroom): client machines under QEMU with a busybox
# initramfs, and a Samba and an NFS-Ganesha server run by the test itself on 127.0.0.1. The
# guests' kernel is unpacked from Debian's package by the test (apt-get download), not installed.
CLASSROOM_PACKAGES=(qemu-system-x86 busybox-static samba nfs-ganesha nfs-ganesha-vfs xz-utils)
# The screen-reader test (testing/screen_reader.sh): an X server, a session bus, the accessibility
# bus, Orca with speech-dispatcher and espeak-ng, a window manager and xdotool for the keys.
SCREEN_READER_PACKAGES=(xvfb dbus at-spi2-core orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox xdotool)
# The Windows version (scripts/windows.sh): mingw-w64, the tools to fetch and build Qt's source,
# NSIS for the installer, Wine and an X server to test it.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix dpkg-dev ninja-build nsis wine wine64 xvfb xauth xdotool x11-apps x11-xkb-utils
  imagemagick python3)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing [more packages...]: PACKAGES and the ones named, those not installed yet.
install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local start=$SECONDS
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    # Servers among the packages (Samba, NFS-Ganesha, rpcbind) must not be started by their
    # installation: the tests start their own, on 127.0.0.1 only.
    local guard=""
    if [ ! -e /usr/sbin/policy-rc.d ]; then
      guard=/usr/sbin/policy-rc.d
      printf '#!/bin/sh\nexit 101\n' | as_root tee "$guard" > /dev/null
      as_root chmod 0755 "$guard"
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    echo "Installed ${#missing[@]} packages and what they need in $((SECONDS - start)) s"
    [ -z "$guard" ] || as_root rm -f "$guard"
  fi
}

# CMake options that put ccache in front of the compilers when it is installed (CI keeps its
# cache between runs, so that an unchanged file is not compiled again). Paths below the clone
# count from the clone, so that clones in other folders share the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
compiler_cache() {
  if command -v ccache > /dev/null; then
    echo "-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
  fi
}

# build <build-dir> [cmake options...]
build() {
  local dir="$1" start=$SECONDS
  shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo $(compiler_cache) "$@"
  cmake --build "$dir" -j "$(nproc)"
  echo "Built $dir in $((SECONDS - start)) s"
}
