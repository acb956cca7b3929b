#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a throwaway root and checks that
# it lays out a program a desktop user can run.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t corvella_*_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

fail() { echo "FAIL: $*"; exit 1; }
check_file() { [ -f "$root/$1" ] || fail "missing $1"; }

check_file usr/lib/corvella/corvella
[ -x "$root/usr/lib/corvella/corvella" ] || fail "the program is not executable"
check_file usr/lib/corvella/buzzer.wav
check_file usr/lib/corvella/corvella-sound.so
[ -L "$root/usr/bin/corvella" ] || fail "usr/bin/corvella is not a link"
[ "$(readlink "$root/usr/bin/corvella")" = "../lib/corvella/corvella" ] || fail "usr/bin/corvella points elsewhere"
[ "$(readlink -f "$root/usr/bin/corvella")" = "$root/usr/lib/corvella/corvella" ] || fail "link does not resolve"
check_file usr/share/applications/org.corvella.Corvella.desktop
check_file usr/share/metainfo/org.corvella.Corvella.metainfo.xml
check_file usr/share/icons/hicolor/scalable/apps/org.corvella.Corvella.svg
for size in 16 24 32 48 64 128 256; do
  png="usr/share/icons/hicolor/${size}x${size}/apps/org.corvella.Corvella.png"
  check_file "$png"
  file "$root/$png" | grep -q "${size} x ${size}" || fail "$png is not ${size}x${size}"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/org.corvella.Corvella.metainfo.xml" >/dev/null \
  || fail "metainfo does not validate"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libpulse0 libqt6svg6 qt6-qpa-plugins fonts-liberation \
           gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0" ] || fail "version is not 1.0.0"
echo "package $deb: layout and dependencies as expected"
