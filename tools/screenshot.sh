#!/bin/sh
# Takes docs/screenshot.png: the main window over the demo installation, on a
# virtual X display. Needs xvfb-run (Xvfb), xwininfo and ImageMagick's import.
#
#   tools/screenshot.sh                    # the program in build/, to docs/screenshot.png
#   BUILD=build-release tools/screenshot.sh out.png
#
# The program runs as a copy beside its own settings file in a temporary
# folder, so that no kvpm.ini of the build folder or of the user is read or
# changed, and the first-start About window stays away.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
program="$root/${BUILD:-build}/kvpm"
output=${1:-$root/docs/screenshot.png}

if [ ! -x "$program" ]; then
  echo "screenshot.sh: $program not found; build the program first (make build)" >&2
  exit 1
fi
for tool in xvfb-run xwininfo import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "screenshot.sh: $tool is needed (packages xvfb, x11-utils, imagemagick)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kvpm-screenshot.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

"$root/tools/make-demo-prefix.sh" "$work/prefix"
mkdir -p "$work/bin" "$work/config/kvpm" "$work/runtime" "$(dirname "$output")"
chmod 700 "$work/runtime"
cp "$program" "$work/bin/kvpm"
printf '[General]\r\nShowDisclaimer=no\r\n' > "$work/bin/kvpm.ini"
# Should the copy's folder not be writable, the settings are looked for here.
cp "$work/bin/kvpm.ini" "$work/config/kvpm/kvpm.ini"

WINEPREFIX="$work/prefix" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  xvfb-run -a -s "-screen 0 1400x1000x24" sh -c '
    set -eu
    "$1" & pid=$!
    window=""
    tries=0
    # The main window once it is on the screen; its caption ends in the title.
    while [ -z "$window" ]; do
      if ! kill -0 "$pid" 2>/dev/null; then
        echo "screenshot.sh: the program ended before its window appeared" >&2
        exit 1
      fi
      tries=$((tries + 1))
      if [ "$tries" -gt 150 ]; then
        echo "screenshot.sh: no main window after 30 seconds" >&2
        kill "$pid"
        exit 1
      fi
      sleep 0.2
      for id in $(xwininfo -root -tree | awk "/\"[^\"]*KV Playlist Manager\": \\(/ { print \$1 }"); do
        if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then window=$id; fi
      done
    done
    sleep 1  # let it paint
    import -window "$window" "$2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  ' sh "$work/bin/kvpm" "$output"

echo "Saved $output"
