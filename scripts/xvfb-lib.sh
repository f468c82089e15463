# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for driving the program on a virtual display (sourced, not run).
# Needs Xvfb, xdotool and ImageMagick; the sound server, pulseaudio.

# null_sink_start: a private sound server in $XDG_RUNTIME_DIR with one sink,
# "fretlore_null", that goes nowhere and keeps real time, reached through
# ALSA's default device (an .asoundrc in $HOME). Fails without pulseaudio.
# `pulseaudio --kill` with the same XDG_RUNTIME_DIR ends it.
null_sink_start() {
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null || return 1
  pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=fretlore_null rate=44100" \
    --load="module-native-protocol-unix" 2>"$XDG_RUNTIME_DIR/pulse.log" || return 1
  printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' > "$HOME/.asoundrc"
  local i
  for i in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
}

# The colour of the root window: the program's own pixels (black, lime) stand out against it.
XVFB_ROOT_COLOUR="48,80,160"

# xvfb_start WIDTHxHEIGHT: starts Xvfb on a free display, exports DISPLAY,
# paints the root window and sets XVFB_PID.
xvfb_start() {
  local size=${1:-1024x768} numberFile i
  numberFile=$(mktemp)
  # The server picks a free display itself and writes its number.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for i in $(seq 1 100); do
    [ -s "$numberFile" ] && break
    sleep 0.05
  done
  if [ ! -s "$numberFile" ]; then
    echo "xvfb: the virtual display did not start" >&2
    rm -f "$numberFile"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$numberFile")"
  rm -f "$numberFile"
  # xsetroot's colour does not reach screenshots on this server; a root
  # background picture does.
  local bg
  bg=$(mktemp --suffix=.png)
  convert -size "$size" "xc:rgb($XVFB_ROOT_COLOUR)" "$bg"
  display -window root "$bg" || true  # it reports failure even when it worked
  rm -f "$bg"
}

xvfb_stop() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null || true
}

# weston_start WORKDIR: Weston with XWayland, nested in a new virtual display of
# 1024x768 that stands for the user's screen. Screenshots of that outer server
# show what Weston composes, and its pointer and keys reach Weston's clients.
# Exports INPUT_DISPLAY (the outer server), DISPLAY (XWayland) and
# WAYLAND_DISPLAY; sets XVFB_PID and WESTON_PID. Needs XDG_RUNTIME_DIR.
# The desktop has the root colour and no panel. Start-up is tried three times.
weston_start() {
  local work=$1 try xdisplay
  xvfb_start 1024x768 || return 1
  export INPUT_DISPLAY=$DISPLAY
  printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff%02x%02x%02x\n%s\n' \
    ${XVFB_ROOT_COLOUR//,/ } "locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none" >"$work/weston.ini"
  for try in 1 2 3; do
    rm -f "$work/weston.log"
    DISPLAY=$INPUT_DISPLAY weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --xwayland \
      --socket="fretlore-weston-$$-$try" --width=1024 --height=768 --log="$work/weston.log" >/dev/null 2>&1 &
    WESTON_PID=$!
    for i in $(seq 1 300); do  # up to 30 s on a busy machine
      xdisplay=$(grep -o "listening on display :[0-9]*" "$work/weston.log" 2>/dev/null | awk '{ print $4 }')
      # The desktop is drawn once the screen has the root colour, not black
      # (away from Weston's pointer, which starts in the top-left corner).
      [ -n "$xdisplay" ] && screenshot "$work/weston-start.png" 2>/dev/null \
        && [ "$(pixel "$work/weston-start.png" 1016 8)" = "$XVFB_ROOT_COLOUR" ] && break
      kill -0 "$WESTON_PID" 2>/dev/null || break
      xdisplay=
      sleep 0.1
    done
    if [ -n "$xdisplay" ]; then
      export DISPLAY=$xdisplay WAYLAND_DISPLAY=fretlore-weston-$$-$try
      # A first click on the empty desktop, at the corner where Weston starts its
      # pointer: until a button is pressed, its nested back end may drop every
      # motion of the outer server's pointer (it moves Weston's by differences).
      user_input mousemove 0 0
      sleep 0.2
      user_input click 1
      sleep 0.2
      user_input mousemove 1023 767  # the pointer in a corner, out of the way of screenshots
      return 0
    fi
    kill "$WESTON_PID" 2>/dev/null; wait "$WESTON_PID" 2>/dev/null
  done
  echo "weston: the compositor did not start (see $work/weston.log)" >&2
  return 1
}

weston_stop() {
  [ -n "${WESTON_PID:-}" ] && kill "$WESTON_PID" 2>/dev/null
  wait "$WESTON_PID" 2>/dev/null
  DISPLAY=${INPUT_DISPLAY:-$DISPLAY} xvfb_stop
}

# screenshot FILE: the whole screen, every window on it.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: "r,g,b" of one pixel of a screenshot.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# visible_windows NAME: "id x y w h" for every mapped window of that name, x and y
# on the root window. (xdotool's own geometry adds the offset of a window
# manager's frame twice, which shows where the frame has a margin.)
visible_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
      /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
      /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
      END { if (w != "") print id, x, y, w, h }'
  done
}

# wait_for_window NAME W H SECONDS: prints "id x y" of the first visible window of that size.
wait_for_window() {
  local deadline=$((SECONDS + $4)) line
  while [ $SECONDS -le $deadline ]; do
    line=$(visible_windows "$1" | awk -v w="$2" -v h="$3" '$4 == w && $5 == h { print $1, $2, $3; exit }')
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.05
  done
  return 1
}

# desktop_shades SHOT GEOMETRY OUT: white where the rectangle of the screenshot
# shows the root colour or a darker shade of it, black elsewhere. Weston draws a
# shadow box behind every frameless window it manages (its X window manager has
# no hint to turn it off), and the desktop seen through the cut-away parts of a
# shaped window is darkened by it.
desktop_shades() {
  local r g b
  read -r r g b <<<"${XVFB_ROOT_COLOUR//,/ }"
  convert "$1" -crop "$2" +repage \
    -fx "b > 0.1 && abs(r / b - $r / $b) < 0.05 && abs(g / b - $g / $b) < 0.05" "$3"
}

# window_matches_mask SHOT X Y W H MASK [SCALE]: prints how many pixels of the
# window's area on a bare server disagree with its mask (drawn SCALE times
# larger, default 1): the root colour must show exactly where the mask is white.
# With SHADED_DESKTOP=1 (under Weston), any shade of the root colour counts.
window_matches_mask() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 mask=$6 scale=${7:-1} tmp
  tmp=$(mktemp -d)
  if [ "${SHADED_DESKTOP:-}" = 1 ]; then
    desktop_shades "$shot" "${w}x${h}+${x}+${y}" "$tmp/isroot.png"
  else
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage \
      -fill white -opaque "rgb($XVFB_ROOT_COLOUR)" -fill black +opaque white "$tmp/isroot.png"
  fi
  convert "$mask" -crop "$((w / scale))x$((h / scale))+0+0" +repage -sample "$((100 * scale))%" "$tmp/mask.png"
  compare -metric AE "$tmp/isroot.png" "$tmp/mask.png" null: 2>&1 || true
  rm -rf "$tmp"
}

# user_input XDOTOOL-ARGS...: the pointer and the keyboard, on the X server the
# user's devices belong to: INPUT_DISPLAY when set (the outer server a nested
# compositor runs in), the program's display otherwise.
user_input() { DISPLAY=${INPUT_DISPLAY:-$DISPLAY} xdotool "$@"; }

# search_name WX WY TEXT: clicks the name box of the main window standing at
# (WX, WY), types TEXT and presses Enter.
search_name() {
  user_input mousemove $(($1 + 100)) $(($2 + 224)) click 1
  sleep 0.2
  user_input type --delay 50 "$3"
  user_input key Return
}

# Test bookkeeping for the real-window tests.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# wait_main_window SECONDS: waits for the program's main window at its
# designed place (252, 186), where it stands once the splash has gone.
wait_main_window() {
  local deadline=$((SECONDS + $1))
  until visible_windows "Fretlore PRO" | awk '$2 == 252 && $3 == 186 { f = 1 } END { exit !f }'; do
    [ $SECONDS -gt $deadline ] && return 1
    sleep 0.1
  done
  sleep 0.5
}
