# The content window in chart mode (634 x 440). Source after calvoro.sh.
#
#   chart_open_projection      the tray menu's "Your power everyday": the projection panel
#   chart_projection_shown SHOT  the projection panel is on the window
#   chart_type_first_day DATE  types DATE (dd/mm/yyyy) into the projection field and puts the
#                              mouse on "Show me"
#   chart_show_me DATE         types DATE (dd/mm/yyyy) into the projection field, presses
#                              "Show me" and waits until the chart is drawn
#   chart_shown SHOT           the chart is on the window: silver, the grid, the three curves
#   chart_button NAME          clicks a button of the row: prior, print, refresh, close, next
#   chart_crop SHOT X Y W H    a part of the window as its own picture; prints its path
#   chart_headline_is SHOT TEXT  the headline above the chart reads TEXT
#   chart_week_days_are SHOT TEXT  the week-day row reads TEXT

_chart_menu_window() {
  local window height
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
    ((${height:-0} > 150 && ${height:-0} < 400)) && return 0
  done
  return 1
}

chart_open_projection() {
  local icon attempt
  icon=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)
  # A click while the tray host is still busy with the icons can go unanswered: ask once more.
  for attempt in 1 2; do
    desktop_right_click "$icon"
    desktop_poll 3 _chart_menu_window && break
    ((attempt < 2)) || desktop_fail "no tray menu (see $(calvoro_shot no-menu))"
  done
  desktop_key Down Down Return
  calvoro_find_content_window
  [ "$CALVORO_FW $CALVORO_FH" = "385 248" ] || desktop_fail "the window is ${CALVORO_FW}x$CALVORO_FH"
  # Clicks pass through the window until its show animation has ended.
  calvoro_poll_shot 5 projection chart_projection_shown || desktop_fail "no projection panel: $CALVORO_WHY"
}

chart_projection_shown() {
  calvoro_frame_shown "$1" || return 1
  calvoro_panel_patch_is projectionbg 2 110 15 70 "$1"
}

_chart_is_chart_size() {
  read -r CALVORO_FX CALVORO_FY CALVORO_FW CALVORO_FH _ <<<"$(calvoro_geometry "$CALVORO_FORM2")"
  [ "$CALVORO_FW $CALVORO_FH" = "634 440" ] && calvoro_is_viewable "$CALVORO_FORM2"
}

# Counts the pixels of one colour (exact) inside the chart area of the window.
_chart_count() {
  convert "$1" -crop "580x256+$((CALVORO_FX + 30))+$((CALVORO_FY + 47))" +repage \
    -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" -format '%[fx:int(mean*w*h+0.5)]' info:
}

chart_shown() {
  local shot=$1 colour count
  # Grid: a black horizontal, a white vertical, silver between the lines.
  calvoro_colour_near "$(calvoro_window_pixel "$shot" 36 75)" "0 0 0" 8 ||
    _calvoro_why "no black grid line at y 75" || return 1
  calvoro_colour_near "$(calvoro_window_pixel "$shot" 50 56)" "255 255 255" 8 ||
    _calvoro_why "no white grid line at x 50" || return 1
  for colour in "255,0,0" "255,255,0" "0,255,0"; do
    count=$(_chart_count "$shot" "$colour")
    ((count > 29 * 20 * 3)) || _calvoro_why "only $count pixels of the curve in $colour" || return 1
  done
}

chart_type_first_day() {
  # The projection field at (124, 143) of the panel, 117 x 32; "Show me" at (122, 187), 120 x 24.
  xdotool mousemove $((CALVORO_FX + 10 + 124 + 6)) $((CALVORO_FY + 10 + 143 + 16)) click 1
  desktop_key Home
  xdotool type --delay 30 "${1//\//}"
  xdotool mousemove $((CALVORO_FX + 10 + 122 + 60)) $((CALVORO_FY + 10 + 187 + 12))
}

chart_show_me() {
  chart_type_first_day "$1"
  xdotool click 1
  desktop_poll 5 _chart_is_chart_size ||
    desktop_fail "no chart-size window (see $(calvoro_shot no-chart))"
  calvoro_poll_shot 5 "chart-$(date +%s%N)" chart_shown || desktop_fail "no chart: $CALVORO_WHY"
}

chart_button() {
  local left
  case $1 in
  prior) left=3 ;;
  print) left=123 ;;
  refresh) left=243 ;;
  close) left=364 ;;
  next) left=484 ;;
  *) desktop_fail "no button $1" ;;
  esac
  xdotool mousemove $((CALVORO_FX + 15 + left + 54)) $((CALVORO_FY + 390 + 1 + 14)) click 1
}

chart_crop() {
  local path="$DESKTOP_DIR/crop-$(date +%s%N).png"
  convert "$1" -crop "$4x$5+$((CALVORO_FX + $2))+$((CALVORO_FY + $3))" +repage "$path"
  echo "$path"
}

# Under the window's top edge and between the "X" corners, which reach down to y 20.
chart_headline_is() {
  calvoro_text_shown "$1" $((CALVORO_FX + 24)) $((CALVORO_FY + 10)) 588 17 Arial:-16 "$2"
}

# Clear of the window's right edge.
chart_week_days_are() {
  calvoro_text_shown "$1" $((CALVORO_FX + 28)) $((CALVORO_FY + 28)) 588 14 Arial:-13 "$2"
}
