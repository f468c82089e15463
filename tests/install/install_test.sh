#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR under /usr and checks it as a
# desktop would see it: every file in place, the desktop entry and the
# metadata valid without a warning, the copyright file, changelog and
# compressed manual pages read back by Debian's own readers, the installed
# commands answering --version (with the licence) and --help without a
# display, and the installed program starting on a virtual display
# with its window class and icon, then playing a chord from its installed mid
# folder and sound font without an error box.
# Usage: install_test.sh BUILD_DIR WITH_CHORDS(0|1)
set -uo pipefail
build=$1
with_chords=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

work=$(mktemp -d)
cleanup() {
  kill "${app:-}" 2>/dev/null
  [ -n "${pulse:-}" ] && pulseaudio --kill 2>/dev/null
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT
root=$work/root
id=org.fretlore.FretlorePro

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 \
  && pass "cmake --install into DESTDIR" || { cat "$work/install.log"; fail "cmake --install"; exit 1; }

# The tree.
expected=(usr/bin/fretlore usr/lib/fretlore/fretlore usr/lib/fretlore/mid/6-00.mid usr/lib/fretlore/mid/1-24.mid
          usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/fretlore.1.gz
          usr/share/doc/fretlore/copyright usr/share/doc/fretlore/changelog.gz)
[ "$with_chords" = 1 ] && expected+=(usr/bin/fretlore-chords usr/share/man/man1/fretlore-chords.1.gz)
for size in 16 32 48 64 128 256; do expected+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png); done
missing=0
for f in "${expected[@]}"; do [ -e "$root/$f" ] || { fail "missing $f"; missing=1; }; done
[ $missing = 0 ] && pass "all ${#expected[@]} expected files installed"
[ "$(ls "$root/usr/lib/fretlore/mid" | wc -l)" = 150 ] && pass "150 MIDI files beside the program" || fail "mid folder incomplete"
[ "$(readlink "$root/usr/bin/fretlore")" = ../lib/fretlore/fretlore ] && pass "bin/fretlore links to the program" \
  || fail "bin/fretlore is $(readlink "$root/usr/bin/fretlore")"
for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null)
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" >"$work/validate.log" 2>&1 \
  && [ ! -s "$work/validate.log" ] && pass "desktop entry valid, no warning or hint" \
  || { cat "$work/validate.log"; fail "desktop entry"; }
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
  && ! grep -q '^[EWI]:' "$work/appstream.log" && pass "metainfo valid, no warning" \
  || { cat "$work/appstream.log"; fail "metainfo"; }
grep -qx "StartupWMClass=fretlore" "$root/usr/share/applications/$id.desktop" || fail "StartupWMClass is not fretlore"

# The package's papers, read as Debian's tools read them: the copyright file
# in the machine-readable format (strictly, by the system Python's reader of
# it), the changelog by dpkg's parser, the manual pages by man.
doc=$root/usr/share/doc/fretlore
/usr/bin/python3 - "$doc/copyright" <<'PY' && pass "copyright file: all files GPL-3+, one holder" || fail "copyright file"
import sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding='utf-8') as f:
    c = Copyright(f, strict=True)
paragraph = c.find_files_paragraph('app/main.cpp')
assert paragraph.copyright == '2026 The Fretlore PRO developers', paragraph.copyright
assert paragraph.license.synopsis == 'GPL-3+', paragraph.license
assert c.header.upstream_name == 'Fretlore PRO' and 'no other copyright holder' in c.header.comment
texts = {p.license.synopsis: p.license.text for p in c.all_license_paragraphs()}
assert '/usr/share/common-licenses/GPL-3"' in texts['GPL-3+'], texts
PY
changes=$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1)
version=$(env -u DISPLAY "$root/usr/bin/fretlore" --version)
[ "fretlore $changes" = "${version%%$'\n'*}" ] && pass "changelog: newest entry $changes" || fail "changelog: '$changes'"
programs=(fretlore)
[ "$with_chords" = 1 ] && programs+=(fretlore-chords)
for page in "${programs[@]}"; do
  gz=$root/usr/share/man/man1/$page.1.gz
  [[ "$(file -b "$gz")" == *"max compression"* ]] || fail "$page.1.gz: $(file -b "$gz")"
  text=$(MANWIDTH=80 MANPAGER=cat man -l "$gz" 2>"$work/man.log")
  [[ "$text" == *$'\nCOPYRIGHT\n'* ]] && [ ! -s "$work/man.log" ] && pass "man -l reads $page.1.gz" || { cat "$work/man.log"; fail "man -l $page.1.gz"; }
done

# The command line, with no display at all.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/fretlore" --version)
[ $? = 0 ] && [[ "$version" =~ ^fretlore\ [0-9]+\.[0-9]+ ]] && pass "--version: ${version%%$'\n'*}" \
  || fail "--version gave '$version'"
for program in "${programs[@]}"; do
  env -u DISPLAY "$root/usr/bin/$program" --version | grep -x >/dev/null "Licence GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>" \
    && pass "$program --version names the licence" || fail "$program --version has no licence line"
done
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/fretlore" --help | grep -q -- "--version" \
  && pass "--help without a display" || fail "--help"
env -u DISPLAY "$root/usr/bin/fretlore" --no-such-option 2>/dev/null
[ $? = 2 ] && pass "an unknown option ends with status 2" || fail "an unknown option is not refused"

# The installed program on a virtual display, started through its link with
# one of Qt's own options; a sound server so that playing can succeed.
xvfb_start 1024x768 || exit 1
export XDG_RUNTIME_DIR=$work HOME=$work
null_sink_start && pulse=1
"$root/usr/bin/fretlore" -platform xcb >"$work/log" 2>&1 &
app=$!
if splash=$(wait_for_window "Fretlore PRO" 165 480 15); then
  pass "the installed program shows its splash"
  read -r sid _ <<<"$splash"
  # The icon name is given to every window once all five exist, a moment
  # after the splash shows.
  for _ in $(seq 1 50); do
    class=$(xprop -id "$sid" WM_CLASS _NET_WM_ICON_NAME)
    [[ "$class" == *'ICON_NAME(UTF8_STRING) = "'* ]] && break
    sleep 0.1
  done
  [[ "$class" == *'"fretlore", "fretlore"'* && "$class" == *'ICON_NAME(UTF8_STRING) = "Fretlore PRO"'* ]] \
    && pass "window class fretlore, icon name Fretlore PRO" || fail "window class and icon name: $class"
  icon=$(xprop -id "$sid" _NET_WM_ICON)
  [[ "$icon" == *"Icon (16 x 16)"* ]] && pass "the window carries the icon" || fail "no window icon"
else
  fail "no splash"; cat "$work/log"; exit 1
fi

# Line 1 of the list, then the play icon: the strum opens six files from the
# mid folder through the synthesizer; a missing file or sound font would
# bring up the error box, a second window of that name.
wait_main_window 15 || { fail "no main window"; exit 1; }
xdotool mousemove $((252 + 460)) $((186 + 113 + 16 + 8)) click 1
sleep 0.5
xdotool mousemove $((252 + 439)) $((186 + 96)) click 1
sleep 2
windows=$(visible_windows "Fretlore PRO" | wc -l)
kill -0 "$app" 2>/dev/null && [ "$windows" = 1 ] && pass "a chord plays without an error box" \
  || { fail "after play: $windows windows, program $(kill -0 "$app" 2>/dev/null && echo running || echo gone)"; cat "$work/log"; }

[ $failures = 0 ] && echo "install test: all checks passed"
exit $((failures > 0))
