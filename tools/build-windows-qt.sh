#!/bin/sh
# Cross-builds the part of Qt that the Windows program and its tests need
# (QtCore, QtGui, QtWidgets, QtTest, the Windows platform plugin, the Windows
# style and the offscreen platform plugin) with mingw-w64, once per machine,
# into a cache outside the checkout:
#
#   tools/build-windows-qt.sh                 # builds it unless it is there
#   tools/build-windows-qt.sh --ready         # succeeds when it is there
#   tools/build-windows-qt.sh --print-prefix  # where it is (or will be)
#
# Debian has no Qt for mingw-w64, so Qt is built from the sources of Debian's
# own qt6-base, of the same version as the machine's Qt: a cross build of Qt
# runs the machine's moc, rcc and uic. The sources come through `apt-get
# source`, from the machine's own Debian mirror (a deb-src entry for it is
# added beside its sources file when there is none). Everything the program
# does not use is left out; the build takes about 15 minutes on two idle cores.
#
# KVPM_CACHE moves the cache (default ~/.cache/kvpm); JOBS sets the build's
# parallel jobs (default 2).
set -eu

QT_VERSION=6.4.2
cache=${KVPM_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kvpm}
prefix="$cache/qt-$QT_VERSION-mingw"

# Shared libraries; the modules the program and its tests do not use, their
# plugins and the libraries only they need are off. Every third-party library
# is Qt's bundled copy, so that nothing of the build machine's mingw-w64
# packages slips in. FreeType is on because the offscreen platform plugin,
# on which the Qt tests run headless, draws its text with it on Windows. Two
# settings are forced by Debian's sources and by this Qt: tablet events are
# off (Debian leaves out the wintab.h that the Windows platform plugin
# includes for them), and OpenGL stays on (the Windows platform plugin does
# not build without it; it loads OpenGL at run time).
features="-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=ON
 -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
 -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_opengl=ON
 -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
 -DFEATURE_direct2d=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
 -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
 -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF"
configuration=$(printf '%s' "$features" | tr -s ' \n' ' ')

# The last step of a build writes .complete: the configuration it was built
# with, the sources it was built from, and how long it took. A cache built
# with another configuration (an older one without QtTest, say) is not
# ready: it is built once more, from where its build folder stands.
ready() {
  [ -f "$prefix/.complete" ] &&
    [ "$(sed -n 's/^configuration //p' "$prefix/.complete")" = "$configuration" ]
}
case "${1:-}" in
  --print-prefix) echo "$prefix"; exit 0 ;;
  --ready) ready; exit ;;
esac
if ready; then
  echo "Qt $QT_VERSION for Windows is ready in $prefix"
  exit 0
fi

root=$(cd "$(dirname "$0")/.." && pwd)
sudo=$([ "$(id -u)" = 0 ] || echo sudo)
host_qt=/usr/lib/x86_64-linux-gnu/cmake
started=$(date +%s)

# The machine's Qt provides the host tools, so it must be the same version.
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)
case "$source_version" in
  "$QT_VERSION"+*) ;;
  *) echo "build-windows-qt.sh: needs the machine's Qt $QT_VERSION (qt6-base-dev)," \
          "found '${source_version:-none}'" >&2
     exit 1 ;;
esac

# Debian's sources, fetched once: a deb-src twin of the machine's own Debian
# sources file, then `apt-get source` of the installed version.
src="$cache/src"
qt_source="$src/qt6-base-$QT_VERSION"
if [ ! -f "$qt_source/.fetched" ]; then
  deb_src=/etc/apt/sources.list.d/debian-src.sources
  if ! grep -rqs '^\(Types: .*\)\?deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding Debian's source packages to apt's sources ($deb_src)"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee "$deb_src" > /dev/null
    $sudo apt-get update -qq
  fi
  rm -rf "$src/fetch" "$qt_source"
  mkdir -p "$src/fetch"
  echo "Fetching the sources of qt6-base $source_version"
  (cd "$src/fetch" && apt-get source -qq "qt6-base=$source_version")
  mv "$src/fetch/qt6-base-$QT_VERSION+dfsg" "$qt_source"
  rm -rf "$src/fetch"
  # This Qt builds its DirectWrite font database only along with Direct2D,
  # which is left out below, but the Windows platform plugin offers it
  # whenever DirectWrite 3 is there; it is only ever used when asked for.
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$qt_source/src/plugins/platforms/windows/qwindowsintegration.cpp"
  : > "$qt_source/.fetched"
fi

# An interrupted build goes on where it stopped; a cache of another
# configuration is replaced.
build="$src/qt-$QT_VERSION-mingw-build"
echo "Building Qt $QT_VERSION for Windows in $build (log: $build/build.log)"
mkdir -p "$build"
rm -rf "$prefix"
{
  nice -n 10 cmake -S "$qt_source" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_qt" \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    $features &&
  nice -n 10 cmake --build "$build" -j"${JOBS:-2}" &&
  cmake --install "$build" --strip
} > "$build/build.log" 2>&1 || {
  tail -n 40 "$build/build.log"
  echo "build-windows-qt.sh: the build failed; the whole log is $build/build.log" >&2
  exit 1
}

minutes=$(( ($(date +%s) - started + 30) / 60 ))
printf 'configuration %s\nqt6-base %s\nbuilt in %s minutes\n' \
  "$configuration" "$source_version" "$minutes" > "$prefix/.complete"
echo "Qt $QT_VERSION for Windows is ready in $prefix (built in $minutes minutes)"
