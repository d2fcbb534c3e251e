# One opening and closing of the content window from a tray icon, as a user does it: a click on
# the icon, then on the window's top-left "X" once the show animation is over. Prints the time
# from the click to the opening's first frame in ms: the show animation's frame window, mapped
# on the root window (map_watch); the window is made anew at an opening after it gave its
# memory back. Sourced by bench/perf.sh and bench/perf_closing.sh after tests/e2e/lib/desktop.sh.
#   content_open_and_close BUILD_DIR ICON_WINDOW
content_open_and_close() {
  local build=$1 icon=$2 out="$DESKTOP_DIR/map.out" watcher t0 content X Y
  "$build/bench/map_watch" 10 >"$out" &
  watcher=$!
  desktop_poll 5 grep -q ready "$out"
  t0=$(date +%s%N)
  desktop_click "$icon"
  wait "$watcher" || { echo "no frame of the opening" >&2; return 1; }
  awk -v a="$t0" -v b="$(tail -n 1 "$out")" 'BEGIN {printf "%.1f\n", (b - a) / 1e6}'
  _content_shown() { content=$(xdotool search --onlyvisible --name '^Calvoro by Kaldo$' 2>/dev/null | head -n 1); [ -n "$content" ]; }
  desktop_poll 10 _content_shown || { echo "the content window did not open" >&2; return 1; }
  sleep 0.8 # the show animation
  eval "$(xdotool getwindowgeometry --shell "$content")"
  xdotool mousemove "$((X + 8))" "$((Y + 8))" click 1
  _content_hidden() { ! xwininfo -id "$content" 2>/dev/null | grep -q IsViewable; }
  desktop_poll 10 _content_hidden || { echo "the content window did not close" >&2; return 1; }
  sleep 0.8 # the hide animation and the refresh after it
}
