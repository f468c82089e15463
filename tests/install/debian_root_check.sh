#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh Debian 12 root and takes it out
# again: debootstrap a minimal root, `apt install ./fretlore_*.deb` there
# (Recommends left out, so the package's own dependencies must suffice),
# start the installed program against a virtual display of this machine and
# check its splash, its main window and a strum without an error box (past
# the notice that the root has no sound device), then
# `apt remove --autoremove` and check that the root holds the same packages
# and files as before. Not part of the test suite: it needs root, a Debian
# mirror and a few minutes.
# Usage (as root): tests/install/debian_root_check.sh PACKAGE.deb [WORK_DIR]
set -uo pipefail
deb=$(realpath "$1")
work=${2:-$(mktemp -d /var/tmp/fretlore-root.XXXXXX)}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

[ "$(id -u)" = 0 ] || { echo "run as root" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap
root=$work/root
mkdir -p "$work/cache" "$root"
cleanup() {
  kill "${app:-}" 2>/dev/null
  xvfb_stop
  umount "$root/proc" 2>/dev/null
}
trap cleanup EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

# Packages this machine has already fetched are used instead of downloading them again.
cp -l /var/cache/apt/archives/*.deb "$work/cache/" 2>/dev/null || true

echo "== debootstrap --variant=minbase bookworm ($mirror)"
start=$SECONDS
debootstrap --variant=minbase --cache-dir="$work/cache" bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
  || { tail -20 "$work/debootstrap.log"; fail "debootstrap"; exit 1; }
echo "root ready in $((SECONDS - start)) s"
mount -t proc proc "$root/proc"
cp -l "$work"/cache/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
in_root apt-get update -qq

# Everything the root holds, apart from what changes by itself (logs, caches, apt's lists).
snapshot() {
  in_root dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Version}\n' | sort > "$work/$1.packages"
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./var/log -o -path ./var/cache \
      -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./root \) -prune -o -print | sort) > "$work/$1.files"
}
snapshot before

cp "$deb" "$root/tmp/"
echo "== apt install --no-install-recommends ./$(basename "$deb")"
in_root apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 \
  && pass "apt install pulled in $(grep -c '^Setting up' "$work/install.log") packages" \
  || { tail -20 "$work/install.log"; fail "apt install"; exit 1; }
echo "$ fretlore --version: $(in_root fretlore --version)"

# The program in the root, on a virtual display of this machine (reached through its socket).
xvfb_start 1024x768 || exit 1
mkdir -p "$root/tmp/.X11-unix" "$root/tmp/runtime"
chmod 700 "$root/tmp/runtime"
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/tmp/runtime XDG_RUNTIME_DIR=/tmp/runtime DISPLAY="$DISPLAY" \
  fretlore >"$work/program.log" 2>&1 &
app=$!
if wait_for_window "Fretlore PRO" 165 480 20 >/dev/null; then
  sleep 1; screenshot "$work/splash.png"; pass "the splash shows ($work/splash.png)"
else
  fail "no splash"; cat "$work/program.log"
fi
if wait_main_window 15; then
  pass "the main window stands at (252, 186)"
  xdotool mousemove $((252 + 460)) $((186 + 113 + 16 + 8)) click 1
  sleep 0.5
  xdotool mousemove $((252 + 439)) $((186 + 96)) click 1
  sleep 2
  # The root has no sound device: at the first strum the program says so
  # once, in a box of its own, and plays silently. Its OK button closes it;
  # the second strum opens the MIDI files with the sound font again, and a
  # box then is an error.
  if grep -q "no sound device" "$work/program.log"; then
    read -r _ x y w h < <(visible_windows "Fretlore PRO" | awk '$2 != 252 || $3 != 186')
    if [ -n "${h:-}" ]; then
      xdotool mousemove $((x + w - 52)) $((y + h - 24)) click 1
      sleep 1
      pass "no sound device in the root: the program said so in a box"
      xdotool mousemove $((252 + 439)) $((186 + 96)) click 1
      sleep 2
    fi
  fi
  screenshot "$work/main-window.png"
  [ "$(visible_windows "Fretlore PRO" | wc -l)" = 1 ] && pass "a chord plays without an error box" || fail "an error box came up"
else
  fail "no main window"
fi
kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=
echo "program output:"; sed 's/^/  /' "$work/program.log"

echo "== apt remove --autoremove fretlore"
in_root apt-get remove -y --autoremove fretlore >"$work/remove.log" 2>&1 \
  && pass "apt remove took out $(grep -c '^Removing' "$work/remove.log") packages" || { tail "$work/remove.log"; fail "apt remove"; }
in_root dpkg-query -W fretlore >/dev/null 2>&1 && fail "dpkg still knows fretlore"
ls "$root"/var/lib/dpkg/info/fretlore.* >/dev/null 2>&1 && fail "dpkg's records of fretlore are left"
left=0
while read -r path; do
  if [ -e "$root/$path" ] || [ -L "$root/$path" ]; then left=$((left + 1)); fi
done < <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }')
[ $left = 0 ] && pass "none of the package's files is left" || fail "$left of the package's files are left"
# What the removed dependencies keep is their configuration (apt remove keeps
# conffiles); purged, the root is as it was.
leftover=$(in_root dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "rc" { print $2 }')
echo "configuration kept by removed dependencies: $(echo $leftover)"
[ -n "$leftover" ] && in_root apt-get purge -y $leftover >/dev/null 2>&1
snapshot after
diff -u "$work/before.packages" "$work/after.packages" && pass "the same packages as before" || fail "packages differ"
diff -u "$work/before.files" "$work/after.files" && pass "the same files as before ($(wc -l < "$work/after.files"))" \
  || fail "files differ"

echo "root kept in $work (remove it with: rm -rf $work)"
exit $((failures > 0))
