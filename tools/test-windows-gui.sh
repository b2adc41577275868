#!/bin/sh
# Tests the Windows program as a player gets it: the portable zip is unpacked
# into a throwaway Wine prefix that holds a game installation, and kvpm.exe
# runs under Wine on a virtual X display. Wine's windows have no
# accessibility bridge, so the program is watched and driven from outside,
# through the X windows' titles and xdotool:
#
# - the first start shows the main window and the About window, and creates
#   kvpm.ini beside kvpm.exe;
# - Qt's Windows platform plugin and Windows style come from the zip;
# - Ctrl+E writes the same thememd.ini, byte for byte, as the Linux program
#   writes for a new playlist;
# - kvpm.exe --deactivate, run from a console, deletes it again and says so.
#
# Everything is left in ZIP's folder under gui-test/: the Wine prefix, Wine's
# output (wine.log) and a screenshot of the main window (main-window.png).
#
#   tools/test-windows-gui.sh build-windows-package/kvpm-2.0.0-windows-x64.zip
set -u

zip=$(cd "$(dirname "${1:?usage: test-windows-gui.sh ZIP}")" && pwd)/$(basename "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
work="$(dirname "$zip")/gui-test"
title="KV Playlist Manager"

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine spells file names on the host in the locale's character set: UTF-8
# holds every name (the test's folders are named in Cyrillic and Japanese).
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
rm -rf "$work"
mkdir -p "$work"

. "$root/tools/wine-display.sh"

# The game: the demo installation's game folder on drive C:, and the keys its
# installer writes, in the registry's 32-bit view as a 32-bit installer does.
wineboot -i > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
"$root/tools/make-demo-prefix.sh" "$work/demo"
cp -R "$work/demo/drive_c/Games" "$WINEPREFIX/drive_c/"
game_key='HKLM\Software\Tallowmere'
{
  wine reg add "$game_key\\Harrowgate" /v InstallPath /t REG_SZ \
    /d 'C:\Games\Harrowgate\Harrowgate.exe' /reg:32 /f &&
  wine reg add "$game_key\\Korvale" /v InstallPath /t REG_SZ \
    /d 'C:\Games\Harrowgate\gamemd.exe' /reg:32 /f &&
  wine reg add "$game_key\\Korvale" /v Version /t REG_DWORD /d 0x10001 /reg:32 /f
} > "$work/reg.log" 2>&1 || { cat "$work/reg.log"; exit 1; }
# The set-up's Wine processes run without a display; the program must not
# join them (its windows would go nowhere), so they end first.
wineserver -k
wineserver -w
game="$WINEPREFIX/drive_c/Games/Harrowgate"

unzip -q "$zip" -d "$WINEPREFIX/drive_c" || exit 1
program=$(find "$WINEPREFIX/drive_c" -maxdepth 2 -name kvpm.exe)
folder=$(dirname "$program")

# A virtual display of its own.
start_display "$work"

# Wine tells which DLLs it loaded, and from where.
WINEDEBUG=-all,+loaddll wine "$program" > "$work/wine.log" 2>&1 &
running=$!

# The id of the shown window with exactly this title, once it is there;
# nothing after SECONDS.
window() {
  pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
  waited=0
  while [ "$waited" -lt "$(($2 * 5))" ]; do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
    waited=$((waited + 1))
  done
  return 1
}

# Keys go to the window given, given the input focus first (there is no
# window manager to activate it).
press() {
  xdotool windowfocus --sync "$1" && sleep 0.5 && xdotool key --clearmodifiers "$2"
}

# A path given to the file dialog of that title, which the File menu's KEYS
# open in the main window, and the main window's title afterwards. Wine's
# edit fields take from xdotool only the letters of the keyboard's layout;
# the path comes through the clipboard (xclip serves it until the display
# ends).
choose_file() {
  press "$main" "$1" || return 1
  dialog=$(window "$2" 20) || return 1
  printf '%s' "$3" | xclip -selection clipboard 2> /dev/null &&
    press "$dialog" ctrl+v && xdotool key Return && window "$3 - $title" 20 > /dev/null
}

# The line of kvpm.ini's recent files at the position (0 the most recent).
recent() {
  tr -d '\r' < "$folder/kvpm.ini" | sed -n "/^\[RecentFiles\]/,/^\[/s/^$1=//p"
}

passed=0
failed=0
check() {
  what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    printf 'ok: %s\n' "$what"
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n' "$what"
  fi
}

# Wine's loaddll trace names every DLL loaded, its backslashes doubled, and
# whether it is Windows' own (builtin) or a file of the program (native).
loaded_from_zip() {
  sed 's|\\\\|/|g' "$work/wine.log" |
    grep -F "Loaded L\"C:/$(basename "$folder")/$1\" at" | grep -q ': native'
}

# First start: the main window, the About window in front of it, the settings file.
main=$(window "New Playlist - $title" 90)
check "the main window appears with its title" [ -n "$main" ]
about=$(window "$title: About" 10)
check "the About window shows on the first start" [ -n "$about" ]
check "kvpm.ini is created beside kvpm.exe" grep -q '^ShowDisclaimer=no' "$folder/kvpm.ini"
check "the Windows platform plugin is loaded from the zip" loaded_from_zip platforms/qwindows.dll
check "the Windows style is loaded from the zip" loaded_from_zip styles/qwindowsvistastyle.dll

# Return presses the About window's OK button; then Ctrl+E activates the new
# playlist and the program says so.
[ -n "$about" ] && press "$about" Return
sleep 3  # the main window, enabled again, repaints where the About window was
[ -n "$main" ] && import -window "$main" "$work/main-window.png"
[ -n "$main" ] && press "$main" ctrl+e
message=$(window "$title" 20)
check "Ctrl+E activates the playlist" [ -n "$message" ]
check "thememd.ini equals the Linux program's for a new playlist" \
  cmp "$game/thememd.ini" "$root/tests/fixtures/theme/new-playlist.ini"

# With an option the program opens no window and writes to the console.
deactivated() {
  [ "$(wine "$program" --deactivate 2>/dev/null | tr -d '\r')" = \
    'Deactivated: C:\Games\Harrowgate\thememd.ini' ] && [ ! -e "$game/thememd.ini" ]
}
check "kvpm.exe --deactivate deletes thememd.ini and says so" deactivated

# Playlists in folders named in Cyrillic and in Japanese, which the
# system's code page (1252) cannot spell: Save As writes them, the recent
# files keep them over a restart, and a recent file's item, File > Open and
# the command line open them.
cyrillic='C:\Плейлисты\rock.kvl'
japanese='C:\プレイリスト\jazz.kvl'
mkdir -p "$WINEPREFIX/drive_c/Плейлисты" "$WINEPREFIX/drive_c/プレイリスト"
[ -n "$message" ] && press "$message" Return
check "Save As writes $cyrillic" choose_file ctrl+a "Save As" "$cyrillic"
check "Save As writes $japanese" choose_file ctrl+a "Save As" "$japanese"
written() {
  [ -s "$WINEPREFIX/drive_c/Плейлисты/rock.kvl" ] && [ -s "$WINEPREFIX/drive_c/プレイリスト/jazz.kvl" ]
}
check "both files are there" written
[ -n "$main" ] && press "$main" alt+F4
waited=0
while kill -0 "$running" 2>/dev/null && [ "$waited" -lt 100 ]; do
  sleep 0.2
  waited=$((waited + 1))
done
check "the recent files in kvpm.ini are both, in UTF-8" \
  [ "$(recent 0)|$(recent 1)" = "$japanese|$cyrillic" ]
# The File menu shows as many recent files as kvpm.ini says, none at first.
sed -i 's/^MaxRecentFiles=0 /MaxRecentFiles=4 /' "$folder/kvpm.ini"
wine "$program" >> "$work/wine.log" 2>&1 &
main=$(window "New Playlist - $title" 90)
# The File menu's item 2, the older file: without a message that it is
# gone, it moves to the top.
second_recent_opens() {
  press "$main" alt+f && sleep 1 && xdotool key 2 && sleep 2 && ! window "$title" 1 > /dev/null &&
    [ "$(recent 0)|$(recent 1)" = "$cyrillic|$japanese" ]
}
check "after a restart, the second recent file opens and moves to the top" second_recent_opens
check "File > Open opens $japanese" choose_file ctrl+o "Open" "$japanese"
activated() {
  [ "$(wine "$program" --activate "$cyrillic" 2>/dev/null | tr -d '\r')" = \
    'Activated: C:\Games\Harrowgate\thememd.ini' ] && [ -f "$game/thememd.ini" ]
}
check "kvpm.exe --activate $cyrillic activates it" activated

# What Explorer shows of kvpm.exe: its icon in six sizes, and in its Details
# the version that kvpm.exe --version prints; and its manifest. windres
# writes the resources out as a resource script, an icon's sizes in octal
# (256 pixels as 0).
resources=$(x86_64-w64-mingw32-windres -i "$program" -O rc 2>/dev/null)
has_resource() { printf '%s\n' "$resources" | grep -qF "$1"; }
icon_sizes=$(printf '%s\n' "$resources" |
  sed -n 's/^ *"\\\([0-7]*\)\\[0-7]*\\000\\000", 1, 32,.*/\1/p' | tr '\n' ' ')
check "kvpm.exe's icon holds 16, 24, 32, 48, 64 and 256 pixels" \
  [ "$icon_sizes" = "020 030 040 060 100 000 " ]
version=$(wine "$program" --version 2>/dev/null | tr -d '\r' | sed -n 's/^KV Playlist Manager //p')
check "kvpm.exe's Details give the version that kvpm.exe --version prints ($version)" \
  has_resource "VALUE \"ProductVersion\", \"${version:-none}\""
check "kvpm.exe's manifest declares per-monitor DPI awareness v2" has_resource PerMonitorV2

echo "Windows GUI: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
