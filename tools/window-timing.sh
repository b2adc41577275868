#!/bin/sh
# Times how long the program takes from its start to its main window being
# shown, next to a bare Qt window (bench/window/BareWindow.cpp) started the
# same way. Both run with KVPM_QUIT_WHEN_SHOWN set, so each ends as soon as
# its shown window's first events are handled; a run is the whole process,
# from exec to exit. The program runs as a copy beside its own kvpm.ini over
# the demo installation, so no About window comes up. Each is run RUNS
# times, alternating, on the offscreen platform and on a virtual X display;
# the median is reported in milliseconds. (--under-x is the script's own
# second half, run inside xvfb-run.)
#
#   tools/window-timing.sh                  # programs of build-release/
#   BUILD=build RUNS=51 tools/window-timing.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${BUILD:-build-release}"
runs=${RUNS:-31}
program="$build/kvpm"
bare="$build/bench/kvpm_bare_window"
for file in "$program" "$bare"; do
  if [ ! -x "$file" ]; then
    echo "window-timing.sh: $file not found; build it first (make bench)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kvpm-timing.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
"$root/tools/make-demo-prefix.sh" "$work/prefix"
mkdir -p "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/bin/kvpm"
printf '[General]\r\nShowDisclaimer=no\r\n' > "$work/bin/kvpm.ini"

# Median wall time in ms of RUNS runs of each of the two commands, alternating.
measure() {
  for i in $(seq "$runs"); do
    for which in kvpm bare; do
      if [ "$which" = kvpm ]; then command="$work/bin/kvpm"; else command="$bare"; fi
      start=$(date +%s%N)
      "$command" >/dev/null 2>&1
      end=$(date +%s%N)
      echo "$which $(( (end - start) / 1000 ))"
    done
  done > "$work/times"
  for which in kvpm bare; do
    grep "^$which " "$work/times" | cut -d' ' -f2 | sort -n |
      awk -v name="$which" '{ t[NR] = $1 } END { printf "%s %.1f\n", name, t[int((NR + 1) / 2)] / 1000 }'
  done
}

report() {
  platform=$1
  measure > "$work/medians"
  kvpm=$(awk '$1 == "kvpm" { print $2 }' "$work/medians")
  bare=$(awk '$1 == "bare" { print $2 }' "$work/medians")
  ratio=$(awk -v a="$kvpm" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')
  echo "$platform: program $kvpm ms, bare Qt window $bare ms, ratio $ratio (median of $runs runs)"
}

export WINEPREFIX="$work/prefix" XDG_RUNTIME_DIR="$work/runtime" KVPM_QUIT_WHEN_SHOWN=1
if [ "${1:-}" = --under-x ]; then
  QT_QPA_PLATFORM=xcb report "virtual X display (Xvfb)"
  exit 0
fi
QT_QPA_PLATFORM=offscreen report "offscreen platform"
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1400x1000x24" "$0" --under-x
fi
