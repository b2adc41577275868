#!/bin/sh
# Lays out a small Wine-style prefix with a game installation, so that the
# program can be tried without the game: the registry keys of the base game
# and the expansion, the executables and a few soundtrack archives as empty
# files, the game's settings file and a CD drive holding both game CDs.
# An existing demo prefix is left as it is, with whatever was done in it.
set -eu

prefix=${1:?usage: make-demo-prefix.sh PREFIX}
[ -f "$prefix/system.reg" ] && exit 0

game="$prefix/drive_c/Games/Harrowgate"
cdrom="$prefix/cdrom"
mkdir -p "$prefix/dosdevices" "$game" "$cdrom"
ln -sfn ../drive_c "$prefix/dosdevices/c:"
ln -sfn ../cdrom "$prefix/dosdevices/d:"

for file in Harrowgate.exe gamemd.exe expandmd01.mix \
            ecachethemeHG.mix ecachethemeBRD2.mix ecachethemeNW.mix user01.wav; do
  : > "$game/$file"
done
printf '[Video]\r\nScreenWidth=1024\r\nScreenHeight=768\r\n\r\n[Audio]\r\nSoundVolume=0.700000\r\nVoiceVolume=0.700000\r\nScoreVolume=0.600000\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\nInGameMusic=yes\r\n' \
  > "$game/HGMD.INI"

# The game CDs' soundtrack archives, large enough to watch a copy happen.
truncate -s 48M "$cdrom/theme.mix"
truncate -s 48M "$cdrom/thememd.mix"

cat > "$prefix/system.reg" <<'REG'
WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win64

[Software\\Wine\\Drives] 1796577480
#time=1dd85a5c0000000
"d:"="cdrom"

[Software\\Wow6432Node\\Tallowmere\\Harrowgate] 1796577483
#time=1dd85a5c08d7820
"InstallPath"="C:\\Games\\Harrowgate\\Harrowgate.exe"

[Software\\Wow6432Node\\Tallowmere\\Korvale] 1796577484
#time=1dd85a5c0b90422
"InstallPath"="C:\\Games\\Harrowgate\\gamemd.exe"
"Version"=dword:00010001
REG
