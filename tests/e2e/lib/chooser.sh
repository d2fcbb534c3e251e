# The date chooser on the virtual desktop. Source desktop.sh and calvoro.sh first, then:
#
#   chooser_find              waits for the chooser; its window in $CHOOSER, origin in $CX $CY
#   chooser_shown SHOT        the green background, the month grid and the two buttons
#   chooser_click_day DAY     clicks a day of the month on display (the month of $CHOOSER_MONTH,
#                             yyyy-mm, this month unless set)
#   chooser_click_ok          clicks "OK for ..."
#   window_above WINDOW       the window manager keeps the window above normal windows

CHOOSER_MONTH=${CHOOSER_MONTH:-$(date +%Y-%m)}

chooser_find() {
  desktop_poll 5 eval '[ -n "$(calvoro_window Calendar)" ]' || desktop_fail "no chooser window"
  CHOOSER=$(calvoro_window Calendar)
  desktop_poll 5 calvoro_is_viewable "$CHOOSER" || desktop_fail "the chooser is not shown"
  read -r CX CY _ <<<"$(calvoro_geometry "$CHOOSER")"
}

chooser_shown() {
  local shot=$1 r g b
  # The green shading between the fields and the buttons, brightest in the middle.
  read -r r g b <<<"$(calvoro_mean "$shot" $((CX + 100)) $((CY + 182)) 20 4)"
  ((g > r + 40 && g > b + 40)) || _calvoro_why "no green background ($r $g $b)" || return 1
  # The grid: white week rows at (11, 7), 199 x 97.
  read -r r g b <<<"$(calvoro_mean "$shot" $((CX + 11 + 3)) $((CY + 7 + 16)) 190 78)"
  ((r > 180 && g > 180 && b > 180)) || _calvoro_why "no month grid ($r $g $b)" || return 1
  # OK at (12, 135), Cancel at (45, 161): buttons, not green.
  read -r r g b <<<"$(calvoro_mean "$shot" $((CX + 14)) $((CY + 137)) 10 16)"
  ((g < r + 30)) || _calvoro_why "no OK button ($r $g $b)" || return 1
  read -r r g b <<<"$(calvoro_mean "$shot" $((CX + 47)) $((CY + 163)) 10 16)"
  ((g < r + 30)) || _calvoro_why "no Cancel button ($r $g $b)" || return 1
}

# Week rows start on Monday; cells are 27 x 12 with a line between them, inside a 2-pixel edge.
chooser_click_day() {
  local first column index
  first=$(date -d "$CHOOSER_MONTH-01" +%u) # 1 = Monday
  index=$((first - 1 + $1 - 1))
  column=$((index % 7))
  xdotool mousemove $((CX + 11 + 2 + column * 28 + 13)) $((CY + 7 + 2 + (index / 7 + 1) * 13 + 6)) click 1
}

chooser_click_ok() { xdotool mousemove $((CX + 12 + 100)) $((CY + 135 + 10)) click 1; }

window_above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
