# A Wayland session for end-to-end tests: Weston's headless back end (drawn in memory, so
# screenshots work), optionally with Xwayland, with the scratch folders of desktop.sh and no
# session bus. Source desktop.sh first, then this file, then:
#
#   wayland_start [--xwayland]      fresh compositor; exports WAYLAND_DISPLAY, and DISPLAY for
#                                   its X server with --xwayland; cleans up on exit
#   wayland_screenshot FILE         the whole output, through Weston's screenshooter
#   wayland_count_colour FILE RGB   how many pixels of the picture have exactly this colour (#rrggbb)
#   wayland_calvoro_begin BUILD [--xwayland]
#                                   like calvoro_begin, in a Wayland session
# Every process started here is stopped by its own PID when the script ends, also on failure.

_wayland_ready() { [ -S "$XDG_RUNTIME_DIR/$1" ] || ! desktop_alive "$2"; }

_wayland_x_display() {
  WAYLAND_X_DISPLAY=$(sed -nE 's/.*xserver listening on display (:[0-9]+).*/\1/p' "$1" | tail -n 1)
  [ -n "$WAYLAND_X_DISPLAY" ] || ! desktop_alive "$2"
}

wayland_start() {
  DESKTOP_DIR=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-e2e.XXXXXX")
  trap desktop_stop EXIT
  trap 'exit 130' INT TERM
  mkdir -p "$DESKTOP_DIR"/{home,config,data,cache,runtime,shots}
  # The compositor refuses a runtime folder that others may read.
  chmod 700 "$DESKTOP_DIR/runtime"
  export HOME="$DESKTOP_DIR/home"
  export XDG_CONFIG_HOME="$DESKTOP_DIR/config" XDG_DATA_HOME="$DESKTOP_DIR/data"
  export XDG_CACHE_HOME="$DESKTOP_DIR/cache" XDG_RUNTIME_DIR="$DESKTOP_DIR/runtime"
  export DBUS_SESSION_BUS_ADDRESS=disabled:
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE SESSION_MANAGER
  # The socket lives in the test's own runtime folder, so its name is always free. --debug
  # lets the screenshooter in; --no-config keeps the machine's weston.ini out.
  local socket=wayland-calvoro xwayland=() pid
  [ "${1:-}" = --xwayland ] && xwayland=(--xwayland)
  weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --socket="$socket" --no-config --debug --idle-time=0 "${xwayland[@]}" \
    --log="$DESKTOP_DIR/weston.log" >"$DESKTOP_DIR/weston.out" 2>"$DESKTOP_DIR/weston.err" </dev/null &
  pid=$!
  _desktop_track "$pid" weston
  desktop_poll "$DESKTOP_TIMEOUT" _wayland_ready "$socket" "$pid" && desktop_alive "$pid" ||
    desktop_fail "weston did not start: $(tail -n 5 "$DESKTOP_DIR/weston.log" 2>/dev/null)"
  # As a desktop's Wayland session sets it; Qt then prefers its Wayland platform.
  export WAYLAND_DISPLAY=$socket XDG_SESSION_TYPE=wayland
  if [ ${#xwayland[@]} -gt 0 ]; then
    # Weston picks the first free X display number and starts Xwayland on its first client.
    desktop_poll "$DESKTOP_TIMEOUT" _wayland_x_display "$DESKTOP_DIR/weston.log" "$pid" &&
      desktop_alive "$pid" || desktop_fail "weston offers no X display"
    export DISPLAY=$WAYLAND_X_DISPLAY
    desktop_poll "$DESKTOP_TIMEOUT" eval 'xprop -root >/dev/null 2>&1' || desktop_fail "Xwayland did not start"
  fi
}

wayland_screenshot() {
  local dir="$DESKTOP_DIR/shots"
  rm -f "$dir"/wayland-screenshot-*.png
  (cd "$dir" && weston-screenshooter) >/dev/null 2>&1 || return 1
  mv "$dir"/wayland-screenshot-*.png "$1"
}

wayland_count_colour() {
  convert "$1" -alpha off -fill white +opaque "$2" -fill black -opaque "$2" \
    -format '%[fx:int((1-mean)*w*h+0.5)]' info:
}

wayland_calvoro_begin() {
  local build=$1
  CALVORO_BIN="$build/app/calvoro"
  [ -x "$CALVORO_BIN" ] || { echo "missing $CALVORO_BIN" >&2; exit 1; }
  CALVORO_SHOTS="$build/tests/e2e/output/$(basename "$0" .sh)"
  rm -rf "$CALVORO_SHOTS"
  mkdir -p "$CALVORO_SHOTS"
  wayland_start "${2:-}"
  export LC_ALL=C.UTF-8
  unset LANGUAGE
  CALVORO_CONFIG_DIR="$XDG_CONFIG_HOME/Calvoro by KALDO Prototyping"
  CALVORO_CONFIG="$CALVORO_CONFIG_DIR/Calvoro.ini"
}

