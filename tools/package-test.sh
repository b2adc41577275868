#!/bin/sh
# Builds the Debian package in the build folder given (the target package)
# and installs it into a scratch root with dpkg-deb -x: the program, its
# desktop entry, its icons and its AppStream metadata must be where desktops
# and software centres look for them, both files must validate without a
# hint, the package must depend on the libraries the program links, and the
# installed program must run, as root when it can (whom no permission bit
# stops), without writing anything under the installation prefix.
#
#   tools/package-test.sh build
set -eu

build=$(cd "${1:?usage: package-test.sh BUILD_FOLDER}" && pwd)
if ! command -v dpkg-deb >/dev/null 2>&1; then
  echo "package-test.sh: dpkg-deb is not installed: the package test is skipped"
  exit 0
fi

cmake --build "$build" --target package
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$build/kvpm_${version}_$(dpkg --print-architecture).deb"
# The installed program runs as root when it can: no permission bit stops root.
runner=""
if [ "$(id -u)" != 0 ] && sudo -n true 2>/dev/null; then runner="sudo -n"; fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kvpm-package.XXXXXX")
trap '$runner rm -rf "$scratch"' EXIT INT TERM
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

failed=0
fail() {
  echo "package-test.sh: $(basename "$deb"): $*" >&2
  failed=1
}

for file in usr/bin/kvpm usr/share/applications/kvpm.desktop \
            usr/share/metainfo/kvpm.metainfo.xml \
            usr/share/icons/hicolor/64x64/apps/kvpm.png \
            usr/share/icons/hicolor/256x256/apps/kvpm.png \
            usr/share/icons/hicolor/scalable/apps/kvpm.svg; do
  [ -f "$root/$file" ] || fail "$file is missing"
done
[ -x "$root/usr/bin/kvpm" ] || fail "usr/bin/kvpm is not executable"

# A hint (two main categories: the program twice in the menus) fails too.
hints=$(desktop-file-validate "$root/usr/share/applications/kvpm.desktop" 2>&1) ||
  fail "the desktop entry does not validate"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
appstreamcli validate --no-net "$root/usr/share/metainfo/kvpm.metainfo.xml" ||
  fail "the AppStream metadata does not validate"
grep -q '<launchable type="desktop-id">kvpm.desktop</launchable>' \
  "$root/usr/share/metainfo/kvpm.metainfo.xml" ||
  fail "the AppStream metadata does not name the desktop entry kvpm.desktop"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libyaml-cpp; do
  case "$depends" in
    *"$library"*) ;;
    *) fail "Depends lacks $library: $depends" ;;
  esac
done

version=$("$root/usr/bin/kvpm" --version 2>&1) || fail "the installed program does not run"
echo "$version" | grep -q "KV Playlist Manager" || fail "kvpm --version says: $version"

# Its settings go to the user's configuration folder, whoever runs it.
"$(dirname "$0")/make-demo-prefix.sh" "$scratch/prefix"
touch "$scratch/before"
$runner env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" WINEPREFIX="$scratch/prefix" \
  "$root/usr/bin/kvpm" --deactivate >"$scratch/out" 2>&1 ||
  fail "kvpm --deactivate failed: $(cat "$scratch/out")"
written=$(find "$root" -newer "$scratch/before")
[ -z "$written" ] || fail "the installed program wrote under its prefix: $written"
[ -f "$scratch/config/kvpm/kvpm.ini" ] || fail "no kvpm.ini in \$XDG_CONFIG_HOME/kvpm"

[ "$failed" -eq 0 ] || exit 1
echo "Package $(basename "$deb"): program, desktop entry, icons and metadata in place ($depends);"
echo "run by $(${runner:-env} id -un), the installed program wrote nothing under its prefix"
