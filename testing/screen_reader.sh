#!/usr/bin/env bash
# The screen-reader check: both programs driven by keyboard while Orca reads them out.
#   screen_reader.sh <driver> <veltora> <zenkla> <paveikslai folder> [transcript file]
# Starts an X server of its own (Xvfb) and a session bus (dbus-run-session) with a fresh HOME
# and XDG_RUNTIME_DIR; the driver starts the accessibility bus, a window manager, the speech
# server, Orca and the programs inside them, and stops them again. Nothing outlives the run.
set -uo pipefail

driver="$1"
veltora="$2"
zenkla="$3"
pictures="$4"
transcript="${5:-$PWD/screen-reader-transcript.txt}"

missing=()
for tool in Xvfb dbus-run-session openbox orca speech-dispatcher xdotool /usr/libexec/at-spi-bus-launcher \
            /usr/lib/speech-dispatcher-modules/sd_espeak-ng; do
  command -v "$tool" >/dev/null 2>&1 || [ -x "$tool" ] || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "screen-reader: missing ${missing[*]} (install SCREEN_READER_PACKAGES of scripts/common.sh)" >&2
  exit 1
fi

run=$(mktemp -d "${TMPDIR:-/tmp}/screen-reader.XXXXXX")
mkdir -m 700 "$run/home" "$run/runtime"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$run"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" >"$run/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 1 100); do
  display=$(cat "$run/display")
  [ -n "$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$display" ]; then
  echo "screen-reader: Xvfb did not start:" >&2
  cat "$run/xvfb.log" >&2
  exit 1
fi

# Only what the run needs is kept from the caller's environment: no desktop session, no
# settings or speech server of the caller's account.
env -i PATH="/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin" \
  HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" \
  XDG_CONFIG_HOME="$run/home/.config" XDG_DATA_HOME="$run/home/.local/share" XDG_CACHE_HOME="$run/home/.cache" \
  DISPLAY=":$display" LANG=C.UTF-8 TMPDIR="$run" \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  SCREEN_READER_KEEP_GOING="${SCREEN_READER_KEEP_GOING:-}" SCREEN_READER_ONLY="${SCREEN_READER_ONLY:-}" \
  dbus-run-session -- "$driver" "$veltora" "$zenkla" "$pictures" "$run" "$transcript"
