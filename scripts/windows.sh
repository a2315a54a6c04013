#!/usr/bin/env bash
# The Windows version of both programs, cross-built here with mingw-w64:
#   bash scripts/windows.sh          builds Qt, libjpeg and GoogleTest for Windows (once, into a
#                                    cache folder outside the clone), both programs, their tests
#                                    and the installer build-windows/veltora-zenkla-setup.exe
#   bash scripts/windows.sh --test   the same, then runs the tests under Wine and installs the
#                                    installer under Wine and drives both programs on Xvfb
#   bash scripts/windows.sh --deps   only the cached Windows builds of Qt, libjpeg and GoogleTest
# WINDOWS_CACHE overrides the cache folder (${XDG_CACHE_HOME:-$HOME/.cache}/veltora-windows).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

mode="${1:-}"
install_missing "${WINDOWS_PACKAGES[@]}"

TOOLCHAIN="$ROOT/windows/mingw-w64.cmake"
TRIPLE=x86_64-w64-mingw32
CACHE_ROOT="${WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/veltora-windows}"
# Long builds share the machine: low priority, two jobs at most.
JOBS=2
NICE=(nice -n 10)

# The host's Qt tools (moc, rcc, uic) do the cross build's code generation, so the Windows Qt
# is the version of Debian's qt6-base-dev; libjpeg and GoogleTest are Debian's versions too.
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
JPEG_VERSION="$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo-dev)"
GTEST_VERSION="$(dpkg-query -W -f='${Version}' libgtest-dev)"
GCC_VERSION="$("$TRIPLE-g++-posix" -dumpfullversion)"

# Qt with what the two programs and their tests use: Core, Gui, Widgets, Test, the Windows
# platform plugin and the offscreen platform (tests). Left out, to keep a
# cold build short on two cores: OpenGL, Vulkan, the network, SQL, D-Bus, printing, XML and
# concurrency modules; image-format plugins (Veltora decodes JPEG itself; PNG is built into Gui);
# ICU (Zenkla's code page is its own table); HarfBuzz (Lithuanian needs no shaping); and the
# widgets and services neither program shows (graphics view, item views but the list, file,
# colour and font dialogs, calendars, docks, MDI, wizards, the MIME database, tray icons).
# FreeType stays: the offscreen platform draws text with it on Windows. Tablets are off because
# Debian's source leaves out wintab.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DINPUT_opengl=no
  -DFEATURE_testlib=ON
  -DFEATURE_itemmodeltester=OFF
)
for feature in opengl vulkan network sql dbus printsupport xml concurrent icu zstd jpeg gif ico \
  direct2d tabletevent sessionmanager pdf textodfwriter textmarkdownreader textmarkdownwriter \
  system_zlib system_png system_freetype system_harfbuzz system_pcre2 system_doubleconversion \
  harfbuzz mimetype sharedmemory systemsemaphore filesystemwatcher commandlineparser movie \
  systemtrayicon undocommand undostack undogroup whatsthis filesystemmodel \
  graphicsview graphicseffect mdiarea dockwidget calendarwidget datetimeedit fontdialog \
  colordialog filedialog fontcombobox wizard undoview columnview treewidget tablewidget \
  listwidget treeview tableview syntaxhighlighter textbrowser lcdnumber dial splashscreen \
  keysequenceedit toolbox progressdialog errormessage scroller effects; do
  QT_OPTIONS+=("-DFEATURE_$feature=OFF")
done
# Two changes to Qt's source for this set of features. Qt 6.4 compiles the DirectWrite font
# database (a font engine the Windows platform plugin offers on request) into Gui only with
# Direct2D, while the plugin names it whenever DirectWrite 3 is there: without Direct2D the plugin
# leaves it out too and keeps its default GDI font database. And the Windows Vista style plugin
# needs the item views left out above: the programs take Qt's built-in Windows style instead.
patch_qt() { # patch_qt <qtbase source folder>
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$1/src/plugins/platforms/windows/qwindowsintegration.cpp"
  sed -i '/add_subdirectory(windowsvista)/d' "$1/src/plugins/styles/CMakeLists.txt"
}
JPEG_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF)
GTEST_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF)

# The cache folder's name: the versions and a digest of everything that shapes the builds.
options_digest="$(printf '%s\n' "${QT_OPTIONS[@]}" "$(declare -f patch_qt)" "${JPEG_OPTIONS[@]}" "${GTEST_OPTIONS[@]}" |
  cat - "$TOOLCHAIN" | sha256sum | cut -c1-12)"
KEY="qt-${QT_VERSION}_jpeg-${JPEG_VERSION}_gtest-${GTEST_VERSION}_gcc-${GCC_VERSION}_${options_digest}"
KEY="${KEY//:/-}"
DEPS="$CACHE_ROOT/$KEY"
QT_PREFIX="$DEPS/qt"

# Source packages come from the machine's own Debian mirror: a deb-src entry beside its deb one.
ensure_deb_src() {
  if apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    return
  fi
  local sources=/etc/apt/sources.list.d/debian.sources
  if [ -f "$sources" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" |
      as_root tee /etc/apt/sources.list.d/veltora-deb-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      as_root tee /etc/apt/sources.list.d/veltora-deb-src.list >/dev/null
  fi
  as_root apt-get update
}

# build_deps: Qt, libjpeg and GoogleTest for Windows into $DEPS, unless they are there.
build_deps() {
  if [ -f "$DEPS/complete" ]; then
    echo "windows: using $DEPS"
    return
  fi
  local started=$SECONDS
  ensure_deb_src
  local work="$CACHE_ROOT/$KEY.work"
  # Installed in place; the stamp "complete" is written last, so a build cut short is redone.
  # Leftovers of builds cut short, of this or of other versions, go first.
  rm -rf "$CACHE_ROOT"/*.work "$DEPS"
  mkdir -p "$work" "$DEPS"
  (
    cd "$work"
    apt-get source --download-only "qt6-base=$QT_VERSION" "libjpeg-turbo=$JPEG_VERSION"
    dpkg-source -x qt6-base_*.dsc qtbase
    patch_qt qtbase
    dpkg-source -x libjpeg-turbo_*.dsc libjpeg-turbo
  )
  local cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN")

  "${NICE[@]}" cmake -S "$work/libjpeg-turbo" -B "$work/build-jpeg" "${cross[@]}" \
    -DCMAKE_INSTALL_PREFIX="$DEPS/jpeg" "${JPEG_OPTIONS[@]}"
  "${NICE[@]}" cmake --build "$work/build-jpeg" -j "$JOBS" --target install

  "${NICE[@]}" cmake -S /usr/src/googletest -B "$work/build-gtest" "${cross[@]}" \
    -DCMAKE_INSTALL_PREFIX="$DEPS/gtest" "${GTEST_OPTIONS[@]}"
  "${NICE[@]}" cmake --build "$work/build-gtest" -j "$JOBS" --target install

  "${NICE[@]}" cmake -S "$work/qtbase" -B "$work/build-qt" "${cross[@]}" \
    -DCMAKE_INSTALL_PREFIX="$DEPS/qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${QT_OPTIONS[@]}"
  "${NICE[@]}" cmake --build "$work/build-qt" -j "$JOBS"
  "${NICE[@]}" cmake --install "$work/build-qt"

  # Licences of what the installer ships.
  mkdir -p "$DEPS/licenses"
  cp "$work/qtbase/LICENSES/LGPL-3.0-only.txt" "$DEPS/licenses/Qt-LGPL-3.0.txt"
  cp "$work/qtbase/LICENSES/GPL-3.0-only.txt" "$DEPS/licenses/Qt-GPL-3.0.txt"
  cp "$work/libjpeg-turbo/LICENSE.md" "$DEPS/licenses/libjpeg-turbo-LICENSE.md"
  cp "$work/libjpeg-turbo/README.ijg" "$DEPS/licenses/libjpeg-turbo-README.ijg"

  rm -rf "$work"
  echo "$((SECONDS - started))" >"$DEPS/complete"
  echo "windows: built $DEPS in $((SECONDS - started)) s"
}

build_deps
[ "$mode" = "--deps" ] && exit 0

# Both programs, their tests and the installer, with the project's own CMake files.
BUILD="$ROOT/build-windows"
started=$SECONDS
"${NICE[@]}" cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" $(compiler_cache) \
  -DCMAKE_BUILD_TYPE=Release -DVELTORA_WINDOWS_DEPS="$QT_PREFIX;$DEPS/jpeg;$DEPS/gtest" \
  -DCMAKE_PREFIX_PATH="$QT_PREFIX;$DEPS/jpeg;$DEPS/gtest" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
# The build's Wine prefix is made before the build-time tools run in it two at a time.
"$BUILD/wine-run" wineboot --init
"${NICE[@]}" cmake --build "$BUILD" -j "$JOBS" --target installer
echo "windows: built $BUILD/veltora-zenkla-setup.exe in $((SECONDS - started)) s"
[ "$mode" = "--test" ] || exit 0

# The tests under Wine: the test binaries on the offscreen platform, then the installer
# installed into a fresh Wine prefix and both programs driven on an X server.
started=$SECONDS
"${NICE[@]}" cmake --build "$BUILD" -j "$JOBS"
echo "windows: built the tests in $((SECONDS - started)) s"
started=$SECONDS
status=0
# A test binary that fails is run once more: under Wine on a busy machine one timing-bound case
# (an accessible name updated from the event loop) has been seen to fail once in several runs.
ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS" --repeat until-pass:2 || status=1
echo "windows: test binaries under Wine took $((SECONDS - started)) s"
started=$SECONDS
bash "$ROOT/windows/tests/installed.sh" "$BUILD" || status=1
echo "windows: installed programs under Wine took $((SECONDS - started)) s"
WINEPREFIX="$BUILD/wine" wineserver -k 2>/dev/null || true
exit $status
