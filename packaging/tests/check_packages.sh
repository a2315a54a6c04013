#!/usr/bin/env bash
# Builds the two Debian packages from a build tree into a temporary folder, unpacks them with
# dpkg-deb and checks what a teacher's machine gets: every file in place, launchers and
# metainfo that pass their validators, the launchers' Exec and Path, and the dependencies.
# Usage: check_packages.sh <build folder> <version>
set -uo pipefail
build="$1"
version="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The value of a key in the [Desktop Entry] group of a desktop file.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -n 1
}

# The width and height of a PNG file, from its header.
png_size() {
  local b
  b=($(od -An -tu1 -j16 -N8 "$1"))
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi

# check_package <name> <id> <libraries and fonts that Depends must name...>
check_package() {
  local name="$1" id="$2"
  shift 2
  local debs=("$tmp/out/${name}_${version}-"*"_"*.deb)
  if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "$name: expected one package ${name}_${version}-*.deb, found: $(ls "$tmp/out")"
    return
  fi
  local deb="${debs[0]}" root="$tmp/$name"
  echo "== $(basename "$deb")"
  dpkg-deb -x "$deb" "$root" || { fail "$name: dpkg-deb -x"; return; }

  # Control fields.
  [ "$(dpkg-deb -f "$deb" Package)" = "$name" ] || fail "$name: Package field"
  [ "$(dpkg-deb -f "$deb" Version)" = "${version}-1" ] || fail "$name: Version $(dpkg-deb -f "$deb" Version)"
  [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "$name: no Maintainer"
  local description
  description="$(dpkg-deb -f "$deb" Description)"
  [ "$(printf '%s\n' "$description" | wc -l)" -ge 2 ] || fail "$name: Description lacks a long part"
  [ -n "$(printf '%s\n' "$description" | head -n 1)" ] || fail "$name: Description lacks a short line"
  local depends
  depends="$(dpkg-deb -f "$deb" Depends)"
  echo "Depends: $depends"
  for needed in "$@"; do
    [[ ", $depends," =~ ,\ $needed[\ ,\(] ]] || fail "$name: Depends does not name $needed"
  done

  # Nothing outside /usr, nothing of the other program.
  local outside
  outside="$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)"
  [ -z "$outside" ] || fail "$name: files outside /usr: $outside"

  # Program, launcher, metainfo, icons.
  [ -x "$root/usr/bin/$name" ] || fail "$name: /usr/bin/$name missing or not executable"
  local entry="$root/usr/share/applications/$id.desktop"
  local metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
  [ -f "$entry" ] || fail "$name: desktop entry $id.desktop missing"
  [ -f "$metainfo" ] || fail "$name: metainfo $id.metainfo.xml missing"
  for n in 48 64 128 256; do
    local icon="$root/usr/share/icons/hicolor/${n}x${n}/apps/$name.png"
    if [ -f "$icon" ]; then
      [ "$(png_size "$icon")" = "${n}x${n}" ] || fail "$name: icon $n is $(png_size "$icon")"
    else
      fail "$name: icon ${n}x${n} missing"
    fi
  done
  [ -f "$entry" ] && [ -f "$metainfo" ] || return

  echo "-- desktop-file-validate $id.desktop"
  desktop-file-validate "$entry" || fail "$name: desktop-file-validate"
  echo "-- appstreamcli validate --no-net $id.metainfo.xml"
  appstreamcli validate --no-net "$metainfo" || fail "$name: appstreamcli validate"

  local exec path icon categories
  exec="$(desktop_value "$entry" Exec)"
  path="$(desktop_value "$entry" Path)"
  icon="$(desktop_value "$entry" Icon)"
  categories="$(desktop_value "$entry" Categories)"
  echo "Exec=$exec Path=$path Icon=$icon"
  [ "${exec%% *}" = "/usr/bin/$name" ] || fail "$name: Exec is not the installed program: $exec"
  [ -x "$root${exec%% *}" ] || fail "$name: Exec names no program of the package: $exec"
  [ "$icon" = "$name" ] || fail "$name: Icon=$icon"
  [ "$categories" = "Education;Math;" ] || fail "$name: Categories=$categories"
  for key in Name Comment 'Comment\[lt\]'; do
    [ -n "$(desktop_value "$entry" "$key")" ] || fail "$name: desktop entry lacks $key"
  done
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "$name: metainfo does not launch $id.desktop"
  grep -q "<binary>$name</binary>" "$metainfo" || fail "$name: metainfo does not provide $name"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "$name: metainfo release is not $version"
  grep -q "<developer_name>Veltora</developer_name>" "$metainfo" || fail "$name: developer name"

  if [ "$name" = veltora ]; then
    # The program reads paveikslai/images<n>.jpg relative to the launcher's working directory.
    [ "$path" = /usr/share/veltora ] || fail "veltora: Path=$path"
    local missing=0
    for n in $(seq 0 150); do
      [ -s "$root$path/paveikslai/images$n.jpg" ] || missing=$((missing + 1))
    done
    [ "$missing" -eq 0 ] || fail "veltora: $missing of the 151 pictures missing under Path"
    local count
    count="$(find "$root/usr/share/veltora/paveikslai" -type f | wc -l)"
    [ "$count" -eq 151 ] || fail "veltora: $count files in paveikslai, not 151"
    [ ! -e "$root/usr/bin/zenkla" ] || fail "veltora: holds zenkla"
  else
    # Without Path the launcher starts the program in the home folder.
    [ -z "$path" ] || fail "zenkla: Path=$path"
    [ ! -e "$root/usr/bin/veltora" ] || fail "zenkla: holds veltora"
    [ ! -e "$root/usr/share/veltora" ] || fail "zenkla: holds the pictures"
  fi
}

check_package veltora lt.veltora.Veltora 'libqt6widgets6' 'libjpeg62-turbo' fonts-texgyre fonts-liberation
check_package zenkla lt.veltora.Zenkla 'libqt6widgets6' fonts-liberation

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "both packages checked"
