#!/bin/sh
# Runs the cross-built core tests (kvpm_tests.exe in the build folder given)
# under Wine, in a Wine prefix of their own that is made afresh for each run:
# the tests write its registry and its drive C:, which they do only when told
# that the system is a throwaway one. Wine runs headless: no
# display, no offer to install Mono or Gecko, no debug output. One test
# program, so the tests run one after another, as they must.
set -u
build=$(cd "${1:?usage: run-windows-tests.sh BUILD_FOLDER}" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export KVPM_TESTS_THROWAWAY_SYSTEM=1
# Wine spells file names on the host in the locale's character set: UTF-8
# holds every name. Its Windows is then an English one, of code page 1252.
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

rm -rf "$WINEPREFIX"
wineboot -i > "$build/wineboot.log" 2>&1 || { cat "$build/wineboot.log"; exit 1; }
wine "$build/tests/kvpm_tests.exe" --gtest_brief=1 > "$build/windows-tests.raw" 2>&1
status=$?
wineserver -k 2>/dev/null
# Wine's console ends lines with CR LF.
tr -d '\r' < "$build/windows-tests.raw" > "$build/windows-tests.log"

# The failures in full, then the count in the form every runner reads.
grep -v '^wine: ' "$build/windows-tests.log" | grep -v '^$'
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$build/windows-tests.log")
failed=$(grep -c '^\[  FAILED  \] .*([0-9]* ms)$' "$build/windows-tests.log")
echo "Windows: ${passed:-0} passed, ${failed:-0} failed"
if [ "$status" -eq 0 ] && [ -z "$passed" ]; then status=1; fi
exit "$status"
