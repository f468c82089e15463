# Helpers for driving the program on a virtual display (sourced, not run).
# Needs Xvfb, xdotool and ImageMagick.

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

# null_sound_start FOLDER: a sound server with one sink that goes nowhere
# (fretlore_null); programs reach it through ALSA's default device. FOLDER
# must be both HOME and XDG_RUNTIME_DIR. Stop it with `pulseaudio --kill`.
null_sound_start() {
  command -v pulseaudio >/dev/null && command -v parec >/dev/null || return 1
  pulseaudio -D -n --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=fretlore_null rate=44100" \
    --load="module-native-protocol-unix" 2>"$1/pulse.log" || return 1
  printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' > "$1/.asoundrc"
  local i
  for i in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
}

# screenshot FILE: the whole screen, every window on it.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: "r,g,b" of one pixel of a screenshot.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# visible_windows NAME: "id x y w h" for every mapped window of that name.
visible_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
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

# window_matches_mask SHOT X Y W H MASK [SCALE]: prints how many pixels of the
# window's area on a bare server disagree with its mask (drawn SCALE times
# larger, default 1): the root colour must show exactly where the mask is white.
window_matches_mask() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 mask=$6 scale=${7:-1} tmp
  tmp=$(mktemp -d)
  convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage \
    -fill white -opaque "rgb($XVFB_ROOT_COLOUR)" -fill black +opaque white "$tmp/isroot.png"
  convert "$mask" -crop "$((w / scale))x$((h / scale))+0+0" +repage -sample "$((100 * scale))%" "$tmp/mask.png"
  compare -metric AE "$tmp/isroot.png" "$tmp/mask.png" null: 2>&1 || true
  rm -rf "$tmp"
}

# search_name WX WY TEXT: clicks the name box of the main window standing at
# (WX, WY), types TEXT and presses Enter.
search_name() {
  xdotool mousemove $(($1 + 100)) $(($2 + 224)) click 1
  sleep 0.2
  xdotool type --delay 50 "$3"
  xdotool key Return
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
