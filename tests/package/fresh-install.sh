#!/usr/bin/env bash
# Before a release, by hand and as root: installs the .deb into a minimal
# Debian 12 root made with debootstrap and checks that the installed program
# opens its start screen and its board under Xvfb. Needs debootstrap, xvfb,
# xdotool, x11-utils and imagemagick on this machine and a Debian mirror
# (about 50 s for the root, 65 s for the install).
#
#   tests/package/fresh-install.sh build/release/corvella_1.0.0_amd64.deb [mirror]
#
# Screenshots are kept in artifacts/fresh-install/ beside the .deb.
set -euo pipefail
deb=$(readlink -f "$1")
mirror=${2:-http://deb.debian.org/debian}
shots=$(dirname "$deb")/artifacts/fresh-install
mkdir -p "$shots"
work=$(mktemp -d)
root=$work/root
display=
xvfb_pid=""
program_pid=""

cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  for m in tmp/.X11-unix dev/pts dev proc; do
    mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m" || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
  || fail "debootstrap failed, see $work/debootstrap.log"
echo "minimal root: $(($(date +%s) - start)) s"

mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp "$deb" "$root/tmp/"
start=$(date +%s)
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 \
  || fail "apt-get install failed, see $work/install.log"
echo "install: $(($(date +%s) - start)) s, $(chroot "$root" dpkg -l | grep -c '^ii') packages in the root"

# Xvfb picks a free display number and writes it once it listens.
exec 3<>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 10 grep -q '[0-9]' "$work/display" || fail "Xvfb does not start"
exec 3>&-
display=:$(head -n 1 "$work/display" | tr -dc 0-9)
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

chroot "$root" env DISPLAY="$display" HOME=/root XDG_RUNTIME_DIR=/tmp /usr/bin/corvella \
  >"$work/program.log" 2>&1 &
program_pid=$!
export DISPLAY=$display
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window "$1")" ]; }
wait_for 20 has_window '^Form1$' || fail "no start screen: $(cat "$work/program.log")"
import -window root "$shots/start-screen.png"
splash=$(window '^Form1$')
eval "$(xdotool getwindowgeometry --shell "$splash")"
xdotool mousemove --sync $((X + 20)) $((Y + 20)) click 1
wait_for 20 has_window '^Corvella by Brannick$' || fail "no board after the click"
sleep 0.5 # let the board paint before the picture
import -window root "$shots/board.png"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
echo "fresh install: start screen and board opened; screenshots in $shots"
