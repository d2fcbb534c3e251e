# The program's message and error boxes on the virtual desktop: which window the window manager
# stacks on top, which one has the focus, and whether a box can be seen. Source desktop.sh and
# calvoro.sh first, then:
#
#   boxes_stacking                   the managed windows, bottom to top
#   boxes_top                        the topmost of them that is not a dock (the tray's panel
#                                    stays above everything by its own type)
#   boxes_title WINDOW               a window's title, exactly (xdotool's search ignores case)
#   boxes_wait_box TITLE [SECONDS]   waits for a shown window with this exact title; it must come
#                                    on top of the stack and focused, and stay there; its id in
#                                    $BOX, its geometry in BOX_X, BOX_Y, BOX_W, BOX_H
#   boxes_check_visible SHOT         the box's corners show the box's own light face, not a
#                                    window over it
#   boxes_check_dialog               the box is a dialog of the program: its type, transient for
#                                    one of the program's windows, asking for no minimise or
#                                    maximise
#   boxes_close                      Return on the focused box; waits until it has gone

boxes_stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -nE 's/.*# (.*)/\1/p' | tr -d ' ' | tr ',' '\n'
}

boxes_top() {
  local window
  for window in $(boxes_stacking | tac); do
    xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DOCK && continue
    echo "$window"
    return 0
  done
}

boxes_title() {
  xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -nE 's/^_NET_WM_NAME\(UTF8_STRING\) = "(.*)"$/\1/p'
}

boxes_active() {
  xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -nE 's/.*# (0x[0-9a-f]+).*/\1/p'
}

# Same window id written with or without leading zeros.
_boxes_same() { (($1 == $2)); }

_boxes_find() {
  local title=$1 window
  BOX=""
  for window in $(boxes_stacking); do
    [ "$(boxes_title "$window")" = "$title" ] || continue
    calvoro_is_viewable "$window" || continue
    BOX=$window
  done
  [ -n "$BOX" ]
}

_boxes_on_top() {
  _boxes_find "$1" || { BOXES_WHY="no shown window titled \"$1\""; return 1; }
  local top active
  top=$(boxes_top)
  _boxes_same "$top" "$BOX" || { BOXES_WHY="the box $BOX is under $top ($(boxes_title "$top"))"; return 1; }
  active=$(boxes_active)
  [ -n "$active" ] && _boxes_same "$active" "$BOX" ||
    { BOXES_WHY="the box $BOX is not focused (the focus is on $active)"; return 1; }
}

boxes_wait_box() {
  BOXES_WHY=""
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" _boxes_find "$1" || desktop_fail "no shown window titled \"$1\""
  # Allow the window manager a moment to stack and focus it; then it has to stay there.
  desktop_poll 1 _boxes_on_top "$1" || desktop_fail "box \"$1\": $BOXES_WHY"
  sleep 0.5
  _boxes_on_top "$1" || desktop_fail "box \"$1\", half a second later: $BOXES_WHY"
  read -r BOX_X BOX_Y BOX_W BOX_H _ <<<"$(calvoro_geometry "$BOX")"
}

# Four patches inside the box's corners carry its light face (the frame drawn by the window
# manager lies outside these coordinates).
boxes_check_visible() {
  local shot=$1 corner r g b
  for corner in "4 4" "$((BOX_W - 14)) 4" "4 $((BOX_H - 14))" "$((BOX_W - 14)) $((BOX_H - 14))"; do
    read -r x y <<<"$corner"
    read -r r g b <<<"$(calvoro_mean "$shot" $((BOX_X + x)) $((BOX_Y + y)) 10 10)"
    ((r > 200 && g > 200 && b > 200)) ||
      desktop_fail "the box is not seen at its corner $x,$y ($r $g $b) in $shot"
  done
}

boxes_check_dialog() {
  local props functions
  props=$(xprop -id "$BOX" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR _MOTIF_WM_HINTS 2>/dev/null)
  grep -q '^_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_DIALOG' <<<"$props" ||
    desktop_fail "the box $BOX is not a dialog: $props"
  grep -q '^WM_TRANSIENT_FOR(WINDOW): window id # 0x' <<<"$props" ||
    desktop_fail "the box $BOX is transient for no window: $props"
  # The functions it asks of the window manager (bit 0 of the flags): no "all" (1), minimise
  # (8) or maximise (16).
  read -r flags functions _ <<<"$(sed -nE 's/^_MOTIF_WM_HINTS.* = (0x[0-9a-f]+), (0x[0-9a-f]+),.*/\1 \2/p' <<<"$props")"
  [ -n "$functions" ] && ((flags & 1 && !(functions & 0x19))) ||
    desktop_fail "the box $BOX asks for minimise or maximise: $props"
}

boxes_close() {
  local box=$BOX
  desktop_key Return
  desktop_poll 5 eval '! calvoro_is_viewable '"$box" || desktop_fail "Return did not close the box $box"
}
