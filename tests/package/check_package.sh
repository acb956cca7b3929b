#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a throwaway root and checks that
# it lays out a program a desktop user can run, declares what it needs and
# nothing more, and that lintian finds no error and no warning in it.
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

private=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/corvella
check_file $private/corvella
[ -x "$root/$private/corvella" ] || fail "the program is not executable"
check_file $private/buzzer.wav
check_file $private/corvella-sound.so
[ -L "$root/usr/bin/corvella" ] || fail "usr/bin/corvella is not a link"
[ "$(readlink "$root/usr/bin/corvella")" = "../${private#usr/}/corvella" ] || fail "usr/bin/corvella points elsewhere"
[ "$(readlink -f "$root/usr/bin/corvella")" = "$root/$private/corvella" ] || fail "link does not resolve"
for binary in $private/corvella $private/corvella-sound.so; do
  file "$root/$binary" | grep -q ', stripped' || fail "$binary is not stripped"
done

# One desktop id for the program, its desktop entry, metainfo and icons; the
# hall's window has an entry of its own beside it.
desktop=$(cd "$root/usr/share/applications" && ls *.desktop | grep -v '\.Hall\.desktop$')
[ "$(echo "$desktop" | wc -l)" = 1 ] || fail "more than one desktop entry: $desktop"
id=${desktop%.desktop}
hall_entry=usr/share/applications/$id.Hall.desktop
check_file "$hall_entry"
grep -qx "Exec=corvella --hall" "$root/$hall_entry" || fail "$hall_entry does not start the hall"
grep -qx "Name=Corvella Hall" "$root/$hall_entry" || fail "$hall_entry is not named Corvella Hall"
[ "$(ls "$root/usr/share/applications" | wc -l)" = 2 ] || fail "more desktop entries than two" 
check_file usr/share/metainfo/$id.metainfo.xml
check_file usr/share/icons/hicolor/scalable/apps/$id.svg
grep -qx "Icon=$id" "$root/usr/share/applications/$desktop" || fail "the entry's icon is not $id"
grep -qx "StartupWMClass=Corvella" "$root/usr/share/applications/$desktop" || fail "no StartupWMClass=Corvella"
grep -q "<id>$id</id>" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "metainfo launches another entry"
# The program sets its desktop file name as a UTF-16 literal.
utf16() { printf '%s' "$1" | sed 's/./&\\x00/g'; }
LC_ALL=C grep -qaP "$(utf16 "$id")" "$root/$private/corvella" || fail "the program does not announce $id"
for size in 16 24 32 48 64 128 256; do
  png="usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  check_file "$png"
  file "$root/$png" | grep -q "${size} x ${size}" || fail "$png is not ${size}x${size}"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
  || fail "metainfo does not validate"

# The hall as a user's service, starting the installed program.
unit=usr/lib/systemd/user/corvella-hall.service
check_file $unit
grep -qx "ExecStart=/usr/bin/corvella --hall --headless" "$root/$unit" \
  || fail "$unit does not start corvella --hall --headless"
grep -qx "WantedBy=default.target" "$root/$unit" || fail "$unit cannot be enabled"

# What a Debian user expects beside the program.
check_file usr/share/man/man1/corvella.1.gz
check_file usr/share/man/de/man1/corvella.1.gz
check_file usr/share/doc/corvella/changelog.gz
check_file usr/share/doc/corvella/copyright
check_file usr/share/doc/corvella/README.md
man_text=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/corvella.1.gz" 2>/dev/null)
for section in OPTIONS KEYS FILES ENVIRONMENT --fullscreen --screen; do
  grep -q -- "$section" <<<"$man_text" || fail "the manual page lacks $section"
done
man_de=$(MANWIDTH=80 man -l "$root/usr/share/man/de/man1/corvella.1.gz" 2>/dev/null)
for section in OPTIONEN TASTEN DATEIEN UMGEBUNG --fullscreen Strg+E; do
  grep -q -- "$section" <<<"$man_de" || fail "the German manual page lacks $section"
done

# Every option the program's --help names is in both manual pages.
options=$(QT_QPA_PLATFORM=offscreen "$root/$private/corvella" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "corvella --help names no option"
for option in $options; do
  grep -q -- "$option" <<<"$man_text" || fail "the manual page lacks $option"
  grep -q -- "$option" <<<"$man_de" || fail "the German manual page lacks $option"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libpulse0 libsndfile1 libqt6svg6 fonts-liberation mosquitto openssl; do
  grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
for unused in qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  ! grep -q "$unused" <<<"$depends" || fail "Depends names $unused, which the program does not use"
done
# The sound goes through the plugin and libsndfile, never Qt Multimedia.
for binary in $private/corvella $private/corvella-sound.so; do
  libraries=$(ldd "$root/$binary") || fail "ldd cannot read $binary"
  ! grep -qi 'Qt6Multimedia' <<<"$libraries" || fail "$binary loads Qt Multimedia: $libraries"
done
[ "$(grep -o 'libqt6svg6' <<<"$depends" | wc -l)" = 1 ] || fail "libqt6svg6 is listed twice: $depends"
[ "$(dpkg-deb -f "$deb" Recommends)" = "pulseaudio | pipewire-pulse, qt6-translations-l10n" ] ||
  fail "no sound server or Qt translations recommended"
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0" ] || fail "version is not 1.0.0"
zcat "$root/usr/share/doc/corvella/changelog.gz" | head -n 1 | grep -q "^corvella (1.0.0)" \
  || fail "the changelog does not start with this version"

lintian_out=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) \
  || fail "lintian: $lintian_out"
echo "package $deb: layout, dependencies and lintian as expected"
