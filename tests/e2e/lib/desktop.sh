# A virtual desktop for end-to-end tests: Xvfb on a free display, openbox, and an XEmbed tray
# (trayer), with scratch HOME and XDG folders and no session bus. Programs started here are
# driven from outside with xdotool and looked at with ImageMagick.
#
# Source it from a test script, then:
#   desktop_start [--no-tray]          fresh display, window manager and tray; cleans up on exit
#   desktop_start_tray                 starts the tray later (after desktop_start --no-tray)
#   desktop_stop_tray                  takes the tray away
#   desktop_run NAME PROGRAM [ARGS]    starts a program; its output goes to $(desktop_output NAME)
#   desktop_wait_tray_icons N          waits until the tray holds N icons
#   desktop_tray_icons                 one line per icon: "WINDOW X Y WIDTH HEIGHT" (screen coordinates)
#   desktop_click / desktop_double_click / desktop_right_click WINDOW
#   desktop_key KEY...                 key presses (xdotool names: Down, Return, Escape)
#   desktop_wait_active WINDOW         waits until WINDOW has the focus (before typing into it)
#   desktop_wait_popup PID             waits until a popup (menu) of PID is shown; DESKTOP_POPUP
#   desktop_screenshot FILE            the whole screen
#   desktop_pixel FILE X Y             "R G B" of one pixel of a picture
#   desktop_wait_for_line FILE REGEX   waits until a line of FILE matches
#   desktop_poll SECONDS COMMAND...    runs COMMAND until it succeeds, up to SECONDS (stretched)
#   desktop_fail MESSAGE               reports, shows the programs' output and ends the test
# Every process started here is stopped by its own PID when the script ends, also on failure.

DESKTOP_DIR=""
DESKTOP_PIDS=()
DESKTOP_NAMES=()
DESKTOP_TIMEOUT=${DESKTOP_TIMEOUT:-10}

_desktop_log() { echo "desktop: $*" >&2; }

# Every time-out is a bound for a failure, never the time a step is expected to take: on a
# loaded machine (CI runs beside other jobs on two cores) a window, a screenshot or a check
# can take several times as long as on an idle one. DESKTOP_SLOWDOWN stretches them all.
DESKTOP_SLOWDOWN=${DESKTOP_SLOWDOWN:-3}

# Polls a command until it succeeds or the time (seconds, fractions allowed, stretched by
# DESKTOP_SLOWDOWN) runs out. The command runs once more when the time is up, so that a slow
# check that began just before the end and saw a state since changed does not decide.
desktop_poll() {
  local timeout_us
  timeout_us=$(awk -v t="$1" -v s="$DESKTOP_SLOWDOWN" 'BEGIN {printf "%d", t * s * 1000000}')
  shift
  # In microseconds: SECONDS counts whole seconds, so a time-out of 1 could end at once.
  local end=$((${EPOCHREALTIME/[.,]/} + timeout_us))
  until "$@"; do
    if ((${EPOCHREALTIME/[.,]/} >= end)); then
      "$@"
      return
    fi
    sleep 0.02
  done
}

_desktop_track() {
  DESKTOP_PIDS+=("$1")
  DESKTOP_NAMES+=("$2")
}

# Ends one process: SIGTERM, then SIGKILL after TICKS hundredths of a second (100).
desktop_stop_pid() {
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq "${2:-100}"); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.01
  done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

desktop_stop() {
  local i
  # Newest first: programs, then the tray, the window manager, the display.
  for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
    desktop_stop_pid "${DESKTOP_PIDS[$i]}"
  done
  DESKTOP_PIDS=()
  DESKTOP_NAMES=()
  if [ -n "$DESKTOP_DIR" ] && [ -d "$DESKTOP_DIR" ]; then
    if [ -n "${DESKTOP_KEEP:-}" ]; then
      _desktop_log "kept $DESKTOP_DIR"
    else
      rm -rf "$DESKTOP_DIR"
    fi
  fi
  DESKTOP_DIR=""
}

desktop_fail() {
  echo "FAIL: $*" >&2
  local f
  # What the screen showed at the failure, beside the test's own screenshots.
  if [ -n "${DISPLAY:-}" ] && [ -n "${CALVORO_SHOTS:-}" ]; then
    import -display "$DISPLAY" -window root "$CALVORO_SHOTS/failure.png" 2>/dev/null &&
      echo "--- screen at the failure: $CALVORO_SHOTS/failure.png" >&2
  fi
  for f in "$DESKTOP_DIR"/*.out "$DESKTOP_DIR"/*.err; do
    [ -s "$f" ] || continue
    echo "--- $(basename "$f")" >&2
    tail -n 40 "$f" >&2
  done
  exit 1
}

desktop_output() { echo "$DESKTOP_DIR/$1.out"; }

# Starts a program with the desktop's environment; stdout to NAME.out, stderr to NAME.err.
desktop_run() {
  local name=$1
  shift
  "$@" >"$DESKTOP_DIR/$name.out" 2>"$DESKTOP_DIR/$name.err" </dev/null &
  _desktop_track $! "$name"
  DESKTOP_LAST_PID=$!
}

desktop_alive() { kill -0 "$1" 2>/dev/null; }

_desktop_start_display() {
  local n fd_file pid
  for ((n = 90; n < 190; n++)); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    fd_file="$DESKTOP_DIR/display.$n"
    : >"$fd_file"
    # -displayfd: the server writes the display number once it accepts connections.
    Xvfb ":$n" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
      3>"$fd_file" >"$DESKTOP_DIR/xvfb.err" 2>&1 </dev/null &
    pid=$!
    if desktop_poll "$DESKTOP_TIMEOUT" _desktop_display_ready "$fd_file" "$pid"; then
      if [ -s "$fd_file" ]; then
        _desktop_track "$pid" xvfb
        export DISPLAY=":$n"
        return 0
      fi
    fi
    # Taken by someone else in the meantime, or failed: try the next number.
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  return 1
}

_desktop_display_ready() { [ -s "$1" ] || ! desktop_alive "$2"; }

_desktop_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

_desktop_tray_host() {
  DESKTOP_TRAY=$(xdotool search --classname '^panel$' 2>/dev/null | head -n 1)
  [ -n "$DESKTOP_TRAY" ]
}

desktop_start() {
  DESKTOP_DIR=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-e2e.XXXXXX")
  trap desktop_stop EXIT
  trap 'exit 130' INT TERM
  mkdir -p "$DESKTOP_DIR"/{home,config,data,cache,runtime}
  chmod 700 "$DESKTOP_DIR/runtime"
  export HOME="$DESKTOP_DIR/home"
  export XDG_CONFIG_HOME="$DESKTOP_DIR/config" XDG_DATA_HOME="$DESKTOP_DIR/data"
  export XDG_CACHE_HOME="$DESKTOP_DIR/cache" XDG_RUNTIME_DIR="$DESKTOP_DIR/runtime"
  # Without this Qt starts a session bus of its own that outlives the test.
  export DBUS_SESSION_BUS_ADDRESS=disabled:
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY SESSION_MANAGER
  _desktop_start_display || desktop_fail "no free display for Xvfb"
  openbox --sm-disable >"$DESKTOP_DIR/openbox.out" 2>"$DESKTOP_DIR/openbox.err" </dev/null &
  _desktop_track $! openbox
  desktop_poll "$DESKTOP_TIMEOUT" _desktop_wm_ready || desktop_fail "openbox did not start"
  [ "${1:-}" = --no-tray ] || desktop_start_tray
}

desktop_start_tray() {
  trayer --edge top --align right --widthtype request --height 32 \
    >"$DESKTOP_DIR/trayer.out" 2>"$DESKTOP_DIR/trayer.err" </dev/null &
  _desktop_track $! trayer
  desktop_poll "$DESKTOP_TIMEOUT" _desktop_tray_host || desktop_fail "the tray did not start"
}

desktop_stop_tray() {
  local i
  for i in "${!DESKTOP_NAMES[@]}"; do
    if [ "${DESKTOP_NAMES[$i]}" = trayer ]; then
      kill -TERM "${DESKTOP_PIDS[$i]}" 2>/dev/null || true
      wait "${DESKTOP_PIDS[$i]}" 2>/dev/null || true
    fi
  done
}

# The icons in the tray: the tray host's child windows, except its own 1 x 1 window.
desktop_tray_icons() {
  xwininfo -id "$DESKTOP_TRAY" -children 2>/dev/null |
    sed -nE 's/^ +(0x[0-9a-f]+) .* ([0-9]+)x([0-9]+)[+-]-?[0-9]+[+-]-?[0-9]+ +\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \4 \5 \2 \3/p' |
    awk '!($4 <= 1 && $5 <= 1)'
}

_desktop_icon_count_is() { [ "$(desktop_tray_icons | wc -l)" -eq "$1" ]; }

desktop_wait_tray_icons() {
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" _desktop_icon_count_is "$1" ||
    desktop_fail "expected $1 tray icons, found: $(desktop_tray_icons | wc -l)"
}

# The icon's centre. The pointer moves and clicks in one xdotool call: under load a second
# process can start late enough for the icon's hint (after 0.7 s of hover) to come up under
# the pointer and take the click.
_desktop_icon_centre() {
  local geometry x y width height
  geometry=$(desktop_tray_icons | awk -v w="$1" '$1 == w')
  [ -n "$geometry" ] || desktop_fail "window $1 is not in the tray"
  read -r _ x y width height <<<"$geometry"
  echo "$((x + width / 2)) $((y + height / 2))"
}

_desktop_point_at() {
  local at
  at=$(_desktop_icon_centre "$1")
  # shellcheck disable=SC2086
  xdotool mousemove $at
}

desktop_click() {
  local at
  at=$(_desktop_icon_centre "$1")
  # shellcheck disable=SC2086
  xdotool mousemove $at click 1
}

desktop_double_click() {
  local at
  at=$(_desktop_icon_centre "$1")
  # shellcheck disable=SC2086
  xdotool mousemove $at click --repeat 2 --delay 80 1
}

desktop_right_click() {
  local at
  at=$(_desktop_icon_centre "$1")
  # shellcheck disable=SC2086
  xdotool mousemove $at click 3
}

# Right-clicks the icon until CHECK... finds its menu (at most three clicks). A right click
# that comes within moments of the previous menu's command, or of the splash going, can be
# lost in the program's event handling (about one in fifteen when clicked at once); no user
# is that quick, so the harness clicks again instead of waiting a fixed time first.
desktop_right_click_menu() {
  local icon=$1 attempt
  shift
  for attempt in 1 2 3; do
    desktop_right_click "$icon"
    desktop_poll 2 "$@" && return 0
  done
  return 1
}

desktop_key() { xdotool key --delay 30 "$@"; }

# Keys go to the window that has the focus when the server gets them, and a window manager
# under load may give it to a new window late: type only once the window is the active one.
_desktop_is_active() { (($(xdotool getactivewindow 2>/dev/null || echo 0) == $1)); }

desktop_wait_active() {
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" _desktop_is_active "$1" ||
    desktop_fail "window $1 did not get the focus (the focus is on $(xdotool getactivewindow 2>/dev/null))"
}

# A popup menu takes the keyboard only once it is mapped; keys sent before go elsewhere.
# Waits for a shown window of process PID larger than a tray slot; its id in DESKTOP_POPUP.
_desktop_popup_shown() {
  local window width height
  for window in $(xdotool search --all --onlyvisible --pid "$1" 2>/dev/null); do
    read -r width height <<<"$(xwininfo -id "$window" 2>/dev/null |
      awk -F: '/^ *Width/ {w = $2 + 0} /^ *Height/ {h = $2 + 0} /Map State/ {m = $2}
               END {if (m ~ /IsViewable/) print w, h}')"
    ((${width:-0} > 40 && ${height:-0} > 40)) || continue
    DESKTOP_POPUP=$window
    return 0
  done
  return 1
}

desktop_wait_popup() {
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" _desktop_popup_shown "$1" || desktop_fail "no popup of process $1"
}

desktop_screenshot() { import -window root "$1" 2>/dev/null; }

desktop_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

_desktop_has_line() { grep -Eq "$2" "$1" 2>/dev/null; }

desktop_wait_for_line() {
  desktop_poll "${3:-$DESKTOP_TIMEOUT}" _desktop_has_line "$1" "$2" ||
    desktop_fail "no line matching '$2' in $(basename "$1")"
}
