# Shared by the start, test, package and fuzz scripts: installs the Debian packages that are missing and
# builds the project. Source it; it defines install_missing and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What building and running both programs needs.
PACKAGES=(build-essential cmake libgtest-dev libjpeg-dev qt6-base-dev fonts-texgyre fonts-liberation)
# What making and checking the Debian packages needs (scripts/package.sh, the packages test).
PACKAGING_PACKAGES=(dpkg-dev desktop-file-utils appstream)
# The fuzz targets (fuzz/run.sh): clang and its libFuzzer runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
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
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# build <build-dir> [cmake options...]
build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" -j "$(nproc)"
}
