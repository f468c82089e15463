#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on the desktops people use: fifteen checks of start-up,
# chrome and windows under each window manager named, on a virtual display
# (Xvfb), or under Weston nested in one, through XWayland (the program
# started with WAYLAND_DISPLAY set and no platform chosen). Prints a table of
# the checks per desktop; exits non-zero when any check failed.
# Usage: desktops.sh PROGRAM PICTURES_DIR [openbox|xfwm4|mutter|kwin|weston|none ...]
# (default: openbox xfwm4 mutter kwin weston; "none" is a bare X server)
set -uo pipefail
program=$(realpath "$1")
pictures=$(realpath "$2")
shift 2
desktops=("$@")
[ ${#desktops[@]} -eq 0 ] && desktops=(openbox xfwm4 mutter kwin weston)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"

checks=("splash centred" "splash shaped" "main window out of sight during the splash"
        "main window at 252,186 after it" "main window shaped, no frame" "drag by the guitar" "hint"
        "about window centred" "about window modal" "OK closes it" "\"am\" + Enter draws"
        "\"_\" minimizes" "the window comes back" "Alt+F4 shows the credits" "window-manager close shows the credits")

results=$(mktemp)
trap 'rm -f "$results"' EXIT

# run_desktop NAME: one desktop's fifteen checks, in a subshell of its own;
# appends "NAME CHECK ok|FAIL" lines to $results.
run_desktop() (
  desktop=$1
  work=$(mktemp -d)
  mkdir -m 700 "$work/run"
  export XDG_RUNTIME_DIR=$work/run
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${desk:-}" ] && kill "$desk" 2>/dev/null
    # The window manager itself too, not only the session bus started around it.
    [ -n "${wm:-}" ] && { pkill -P "$wm" 2>/dev/null; kill "$wm" 2>/dev/null; }
    if [ "$desktop" = weston ]; then weston_stop; else [ -n "${XVFB_PID:-}" ] && xvfb_stop; fi
    wait 2>/dev/null
    if [ -n "${KEEP_SHOTS:-}" ]; then mkdir -p "$KEEP_SHOTS/$desktop" && cp "$work"/*.png "$work"/*.log "$KEEP_SHOTS/$desktop/" 2>/dev/null; fi
    rm -rf "$work"
  }
  trap cleanup EXIT
  record() {
    echo "$desktop $1 $2" >>"$results"
    case $2 in
      ok) pass "$desktop: ${checks[$1 - 1]}" ;;
      n/a) echo "n/a: $desktop: ${checks[$1 - 1]} ($3)" ;;
      *) fail "$desktop: ${checks[$1 - 1]}${3:+ ($3)}" ;;
    esac
  }
  check() { local n=$1 why=$2; shift 2; if "$@"; then record "$n" ok; else record "$n" FAIL "$why"; fi; }

  # Compositors repaint their dithered backgrounds a little differently each
  # time; the program's black and lime stand far apart from them.
  fuzz=4%

  # shot FILE: the whole screen as the user sees it. Under Weston, that is the
  # outer server, and the pointer Weston draws goes to a corner first.
  shot() {
    if [ "$desktop" = weston ]; then
      user_input mousemove 1023 767
      sleep 0.3
      DISPLAY=$INPUT_DISPLAY screenshot "$1"
    else
      screenshot "$1"
    fi
  }
  # equal_mask A B GEOMETRY OUT: white where the two screenshots agree inside the rectangle, black elsewhere.
  equal_mask() {
    convert "$1" -crop "$3" +repage "$work/a.png"
    convert "$2" -crop "$3" +repage "$work/b.png"
    compare -fuzz $fuzz "$work/a.png" "$work/b.png" -highlight-color black -lowlight-color white -compose src "$4" 2>/dev/null
    true
  }
  # desktop_mask SHOT GEOMETRY OUT: white where the desktop shows inside the rectangle
  # (under Weston, darkened or not by its shadow box).
  desktop_mask() {
    if [ "$desktop" = weston ]; then
      desktop_shades "$@"
    else
      equal_mask "$work/bg.png" "$1" "$2" "$3"
    fi
  }
  # shape_mismatch SHOT X Y W H MASK: pixels of the box, 8 more around it, where the
  # desktop shows through but the mask keeps the window or the other way round.
  shape_mismatch() {
    local g="$(($4 + 16))x$(($5 + 16))+$(($2 - 8))+$(($3 - 8))"
    desktop_mask "$1" "$g" "$work/seen.png"
    convert "$6" -crop "${4}x${5}+0+0" +repage -bordercolor white -border 8 "$work/want.png"
    compare -metric AE "$work/seen.png" "$work/want.png" null: 2>&1 || true
  }
  # changed_outside SHOT X Y W H: pixels that differ from the bare desktop outside the
  # box (and, under Weston, outside the 32-pixel margin its shadow box falls on).
  changed_outside() {
    local m=0 box
    [ "$desktop" = weston ] && m=32
    box="rectangle $(($2 - m)),$(($3 - m)) $(($2 + $4 - 1 + m)),$(($3 + $5 - 1 + m))"
    convert "$work/bg.png" -fill black -draw "$box" "$work/c1.png"
    convert "$1" -fill black -draw "$box" "$work/c2.png"
    compare -fuzz $fuzz -metric AE "$work/c1.png" "$work/c2.png" null: 2>&1 || true
  }
  same_area() {
    convert "$1" -crop "$3" +repage "$work/a.png"
    convert "$2" -crop "$3" +repage "$work/b.png"
    [ "$(compare -fuzz $fuzz -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]
  }
  mapped() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }
  # Minimized: iconic for the window manager, or at least unmapped.
  iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic || ! mapped "$1"; }
  # wait_until SECONDS COMMAND...: polls every 0.1 s.
  wait_until() {
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do [ $SECONDS -ge "$deadline" ] && return 1; sleep 0.1; done
  }
  window_of_size() { visible_windows "Fretlore PRO" | awk -v w="$1" -v h="$2" '$4 == w && $5 == h { print $1, $2, $3; exit }'; }
  has_window() { [ -n "$(window_of_size "$1" "$2")" ]; }
  no_window() { [ -z "$(window_of_size "$1" "$2")" ]; }

  start_program() {
    "$program" >>"$work/program.log" 2>&1 &
    app=$!
  }
  # main window: id, x, y once it shows (up to 15 s).
  wait_main() { local line; line=$(wait_for_window "Fretlore PRO" 572 423 15) || return 1; read -r main mx my <<<"$line"; }

  # The desktop.
  if [ "$desktop" = weston ]; then
    weston_start "$work" || { fail "weston did not start"; exit 1; }
    sleep 1
  else
    xvfb_start 1024x768 || exit 1
    case $desktop in
      openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & wm=$! ;;
      xfwm4) dbus-run-session -- xfwm4 --sm-client-disable >"$work/wm.log" 2>&1 & wm=$! ;;
      mutter) dbus-run-session -- mutter --x11 --replace --sm-disable >"$work/wm.log" 2>&1 & wm=$! ;;
      kwin) dbus-run-session -- kwin_x11 --replace >"$work/wm.log" 2>&1 & wm=$! ;;
      none) ;;
      *) fail "unknown desktop $desktop"; exit 1 ;;
    esac
    if [ "$desktop" != none ]; then
      wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || { fail "$desktop did not start"; exit 1; }
    else
      sleep 2  # a window manager left over from an earlier desktop would show itself by now
      xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" && { fail "a window manager is running"; exit 1; }
    fi
    # A desktop of the root colour: compositors do not draw the root window's picture.
    "$here/xclient.py" desktop "$(printf '%02x%02x%02x' ${XVFB_ROOT_COLOUR//,/ })" &
    desk=$!
    wait_until 20 sh -c 'xdotool search --onlyvisible --name "^fretlore-test-desktop$" >/dev/null' \
      || { fail "no desktop window"; exit 1; }
    sleep 1
  fi
  shot "$work/bg.png"

  # Start-up: the splash, centred and shaped, alone on the screen.
  start_program
  if splash=$(wait_for_window "Fretlore PRO" 165 480 15); then
    read -r _ sx sy <<<"$splash"
    check 1 "at $sx,$sy" [ "$sx,$sy" = "429,144" ]
    sleep 1.5
    shot "$work/splash.png"
    early=$(window_of_size 572 423)  # before the slow comparisons: the splash lasts only seven seconds
    d=$(shape_mismatch "$work/splash.png" "$sx" "$sy" 165 480 "$pictures/splash_mask.png")
    check 2 "$d pixels off" [ "$d" = 0 ]
    d=$(changed_outside "$work/splash.png" "$sx" "$sy" 165 480)
    check 3 "$d pixels changed, main window: '$early'" [ "$d" = 0 -a -z "$early" ]
  else
    for n in 1 2 3; do record $n FAIL "no splash"; done
  fi

  # After the splash: the main window at its place, shaped, without a frame.
  if ! wait_main; then
    for n in $(seq 4 15); do record "$n" FAIL "no main window"; done
    exit 0
  fi
  check 4 "at $mx,$my" [ "$mx,$my" = "252,186" ]
  wait_until 3 no_window 165 480
  sleep 1
  shot "$work/main.png"
  d=$(shape_mismatch "$work/main.png" "$mx" "$my" 572 423 "$pictures/main_mask.png")
  check 5 "$d pixels off" [ "$d" = 0 ]

  # Drag by the guitar, 60 right and 40 down.
  user_input mousemove $((mx + 100)) $((my + 40)) mousedown 1
  for step in 1 2 3 4 5 6; do user_input mousemove $((mx + 100 + 10 * step)) $((my + 40 + 7 * step - 2)); sleep 0.05; done
  # The release comes once the last motion has been taken up: on a busy
  # machine the two sent together can be handled release first.
  user_input mousemove $((mx + 160)) $((my + 80))
  sleep 0.3
  user_input mouseup 1
  sleep 0.8
  read -r _ nx ny <<<"$(window_of_size 572 423)"
  check 6 "from $mx,$my to $nx,$ny" [ "$nx,$ny" = "$((mx + 60)),$((my + 40))" ]
  [ -n "${nx:-}" ] && { mx=$nx; my=$ny; }

  # The hint of the "E6" label.
  user_input mousemove $((mx + 411)) $((my + 271))
  hint() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$main" | grep -q .; }
  wait_until 4 hint
  check 7 "no balloon" hint
  user_input mousemove $((mx + 300)) $((my + 150))  # the uncovered panel
  sleep 0.5

  # The about window: centred over the main window, which takes no clicks meanwhile; OK closes it.
  user_input mousemove $((mx + 463)) $((my + 96)) click 1
  if wait_until 3 has_window 329 358; then
    read -r _ ax ay <<<"$(window_of_size 329 358)"
    check 8 "at $ax,$ay over $mx,$my" [ "$ax,$ay" = "$((mx + 121)),$((my + 32))" ]
    sleep 0.5
    shot "$work/about.png"
    list="75x260+$((mx + 480))+$((my + 115))"  # clear of the about window and its shadow
    user_input mousemove $((mx + 520)) $((my + 137)) click 1
    sleep 0.7
    shot "$work/about-click.png"
    check 9 "the list took a click" same_area "$work/about.png" "$work/about-click.png" "$list"
    user_input mousemove $((ax + 164)) $((ay + 324)) click 1
    wait_until 3 no_window 329 358
    sleep 0.5
    shot "$work/before-list.png"
    user_input mousemove $((mx + 520)) $((my + 137)) click 1
    sleep 0.7
    shot "$work/list.png"
    check 10 "still up, or the list takes no click" \
      eval 'no_window 329 358 && ! same_area "$work/before-list.png" "$work/list.png" "$list"'
  else
    for n in 8 9 10; do record $n FAIL "no about window"; done
  fi

  # "am" typed into the name box after a click, then Enter: a chord is drawn.
  diagram="391x176+$((mx + 17))+$((my + 241))"
  shot "$work/before-am.png"
  search_name $mx $my am
  sleep 1
  shot "$work/am.png"
  check 11 "the diagram did not change" eval '! same_area "$work/before-am.png" "$work/am.png" "$diagram"'

  # "_" minimizes; the window manager brings it back. Weston's X window manager
  # has no iconic state (it takes no WM_CHANGE_STATE): the window stays.
  user_input mousemove $((mx + 533)) $((my + 95)) click 1
  if [ "$desktop" = weston ]; then
    record 12 n/a "Weston cannot minimize an X window"
  else
    check 12 "still shown" wait_until 3 iconic "$main"
  fi
  xdotool windowactivate "$main" 2>/dev/null
  wait_until 3 eval '! iconic "$main"'
  sleep 0.5
  read -r _ rx ry <<<"$(window_of_size 572 423)"
  check 13 "at '$rx,$ry'" eval '! iconic "$main" && [ "${rx:-},${ry:-}" = "$mx,$my" ]'

  # Alt+F4 rolls the credits over the hidden main window. Where the window
  # manager binds no key to closing a window (Weston), the window takes it.
  xdotool windowactivate "$main" 2>/dev/null
  sleep 0.5
  user_input key alt+F4
  check 14 "no credits" wait_until 3 eval 'has_window 457 318 && no_window 572 423'
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null

  # A close from the window manager (as a task bar sends it) does the same.
  # Weston takes no close request from other clients; the close it sends
  # itself, from a frame's close button, is sent here in its place.
  start_program
  if wait_main; then
    sleep 0.5
    if [ "$desktop" = weston ]; then "$here/xclient.py" delete "$main"; else "$here/xclient.py" close "$main"; fi
    check 15 "no credits" wait_until 3 eval 'has_window 457 318 && no_window 572 423'
  else
    record 15 FAIL "no main window"
  fi
)

for desktop in "${desktops[@]}"; do
  run_desktop "$desktop"
done

# The table.
printf '\n%-44s' "check"
for desktop in "${desktops[@]}"; do printf ' %-8s' "$desktop"; done
printf '\n'
total_failed=0
for n in $(seq 1 15); do
  printf '%2d %-41s' "$n" "${checks[$n - 1]}"
  for desktop in "${desktops[@]}"; do
    r=$(awk -v d="$desktop" -v n="$n" '$1 == d && $2 == n { print $3 }' "$results" | tail -1)
    [ "${r:-}" = ok ] || [ "${r:-}" = n/a ] || total_failed=$((total_failed + 1))
    printf ' %-8s' "${r:--}"
  done
  printf '\n'
done
printf '%-44s' "passed"
for desktop in "${desktops[@]}"; do
  printf ' %-8s' "$(awk -v d="$desktop" '$1 == d && $3 == "ok" { c++ } $1 == d && $3 == "n/a" { n++ } END { print c + 0 "/" 15 - n }' "$results")"
done
printf '\n'
exit $(( total_failed > 0 ))
