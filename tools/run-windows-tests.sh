#!/bin/sh
# Runs the cross-built tests under Wine, in a Wine prefix of their own that
# is made afresh for each run: the tests write its registry and its drive
# C:, which they do only when told that the system is a throwaway one.
#
#   tools/run-windows-tests.sh CORE_BUILD [QT_BUILD QT_FOLDER]
#
# CORE_BUILD/tests/kvpm_tests.exe holds the core's tests. Given the build of
# the Qt program and the Qt it was built with, the Qt tests
# (QT_BUILD/tests/kvpm_gui_tests.exe) run twice: headless with Qt's
# offscreen platform plugin, then with Qt's Windows platform plugin, its
# windows on a virtual X display (Xvfb). Wine offers no Mono or Gecko and
# prints no debug output. Each run's count, then all of them together, in
# the form every runner reads ("N passed, N failed").
set -u
core=$(cd "${1:?usage: run-windows-tests.sh CORE_BUILD [QT_BUILD QT_FOLDER]}" && pwd)
qt_build=${2:+$(cd "$2" && pwd)}
qt=${3:+$(cd "$3" && pwd)}
export WINEPREFIX="$core/wineprefix"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export KVPM_TESTS_THROWAWAY_SYSTEM=1
# Wine spells file names on the host in the locale's character set: UTF-8
# holds every name. Its Windows is then an English one, of code page 1252.
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

. "$(dirname "$0")/wine-display.sh"

# The Qt tests' virtual display, there before Wine starts: a Wine session
# that began without a display gives its later windows none either.
if [ -n "$qt_build" ]; then start_display "$qt_build"; fi

rm -rf "$WINEPREFIX"
wineboot -i > "$core/wineboot.log" 2>&1 || { cat "$core/wineboot.log"; exit 1; }

status=0
total_passed=0
total_failed=0
# run NAME LOG COMMAND...: runs one test program under Wine (one at a time,
# as the tests must), shows its failures and its count. A program that hangs
# is ended after five minutes and counts as failed.
run() {
  name=$1 log=$2
  shift 2
  timeout 300 wine "$@" --gtest_brief=1 > "$log.raw" 2>&1 || status=1
  # Wine's console ends lines with CR LF.
  tr -d '\r' < "$log.raw" > "$log"
  grep -v '^wine: ' "$log" | grep -v '^$'
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log")
  failed=$(grep -c '^\[  FAILED  \] .*([0-9]* ms)$' "$log")
  if [ -z "$passed" ]; then
    echo "$name did not finish."
    failed=$((failed + 1))
  fi
  echo "$name: ${passed:-0} passed, $failed failed"
  total_passed=$((total_passed + ${passed:-0}))
  total_failed=$((total_failed + failed))
}

run "Windows core" "$core/windows-tests.log" "$core/tests/kvpm_tests.exe"

if [ -n "$qt_build" ]; then
  # The DLLs of Qt and of mingw-w64's runtime, Qt's plugins, and fonts for
  # the offscreen platform plugin (which draws text with FreeType). Wine
  # keeps the host's QT_ variables from Windows programs and hands them
  # WINEQT_ ones under their own names.
  runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
  WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w "$pthread")"
  WINEQT_PLUGIN_PATH=$(winepath -w "$qt/plugins")
  WINEQT_QPA_FONTDIR=$(winepath -w /usr/share/fonts/truetype/dejavu)
  export WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_FONTDIR
  gui_tests="$qt_build/tests/kvpm_gui_tests.exe"
  export WINEQT_QPA_PLATFORM=offscreen
  run "Windows Qt, offscreen" "$qt_build/gui-tests-offscreen.log" "$gui_tests"
  export WINEQT_QPA_PLATFORM=windows
  run "Windows Qt, Windows platform" "$qt_build/gui-tests-windows.log" "$gui_tests"

fi

echo "Windows: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ] || status=1
exit "$status"
