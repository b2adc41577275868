#!/bin/sh
# Puts the cross-built Windows program into its portable zip,
# BUILD_FOLDER/kvpm-<version>-windows-x64.zip: kvpm.exe, the Windows platform
# plugin and the Windows style, every DLL of Qt and of mingw-w64 that these
# import (and those import in turn), and README.txt. Windows' own DLLs stay
# out. Prints the zip's path.
#
#   tools/package-windows.sh BUILD_FOLDER QT_FOLDER
set -eu

build=$(cd "${1:?usage: package-windows.sh BUILD_FOLDER QT_FOLDER}" && pwd)
qt=$(cd "${2:?usage: package-windows.sh BUILD_FOLDER QT_FOLDER}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
triple=x86_64-w64-mingw32

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="kvpm-$version-windows-x64"
stage="$build/package/$name"
rm -rf "$build/package" "$build"/kvpm-*-windows-x64.zip
mkdir -p "$stage/platforms" "$stage/styles"

cp "$build/kvpm.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Where a DLL of that name comes from: Qt's, or one the cross compiler links
# with (libstdc++, libgcc, winpthread). Nothing for Windows' own DLLs.
origin() {
  if [ -f "$qt/bin/$1" ]; then
    echo "$qt/bin/$1"
    return
  fi
  found=$($triple-g++-posix -print-file-name="$1")
  [ "$found" != "$1" ] && echo "$found"
}

# The DLLs that the stage's files import, added until a pass adds none: a DLL
# added may import others in turn.
added=yes
while [ "$added" = yes ]; do
  added=no
  for file in "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll; do
    [ -f "$file" ] || continue
    for dll in $($triple-objdump -p "$file" | sed -n 's/^\tDLL Name: //p'); do
      [ -f "$stage/$dll" ] && continue
      source=$(origin "$dll") || continue
      cp "$source" "$stage/$dll"
      added=yes
    done
  done
done
# mingw-w64's own DLLs come with their debugging symbols.
find "$stage" -name '*.exe' -o -name '*.dll' | xargs $triple-strip --strip-unneeded

# Notepad wants CR LF.
sed -e "s/@VERSION@/$version/" -e "s/@QT_SOURCE@/$(head -n 1 "$qt/.complete")/" \
    -e 's/$/\r/' "$root/resources/windows/README.txt" > "$stage/README.txt"

(cd "$build/package" && zip -q -r -9 -X "../$name.zip" "$name")
echo "$build/$name.zip"
