# Calvoro on the virtual desktop of desktop.sh: its configuration file, its windows, its tray
# icons and the levels it should show. Source desktop.sh first, then this file, then:
#
#   calvoro_begin BUILD_DIR              fresh desktop with its own scratch HOME, so the
#                                        configuration file ($CALVORO_CONFIG) is the test's own;
#                                        screenshots go to $CALVORO_SHOTS
#                                        (BUILD_DIR/tests/e2e/output/<test>)
#   calvoro_write_config NAME DATE BLINK the four lines (BLINK: the fourth line, "0" or "1")
#   calvoro_remove_config                a first run
#   calvoro_start [NAME [ARGS...]]       starts the program; its PID in $CALVORO_PID
#   calvoro_wait_exit PID [SECONDS]      waits for its end; the exit code in $CALVORO_RC
#   calvoro_window TITLE                 the program's window with this exact title
#   calvoro_geometry WINDOW              "X Y WIDTH HEIGHT MAPSTATE" (MAPSTATE IsViewable, ...)
#   calvoro_shot NAME                    a screenshot into $CALVORO_SHOTS; prints its path
#   calvoro_poll_shot SECONDS NAME CHECK polls screenshots until CHECK SHOT succeeds
#   calvoro_mean SHOT X Y W H            "R G B": the mean colour of a rectangle
#   calvoro_tray_icons                   like desktop_tray_icons, only slots that hold an icon
#   calvoro_wait_tray_icons N
#   calvoro_tray_pictures SHOT           the pictures the three icons show, emotional first
#   calvoro_wait_refresh                 until the refresh after closing the window has run
#   calvoro_levels DATE                  "E I P": today's levels for a birth date dd/mm/yyyy
#   calvoro_birth_date_where CONDITION   a birth date whose levels (e, i, p) meet an awk condition
#   calvoro_expected_pictures E I P BLINKING
#                                        per icon, the pictures it may show ("emotio6" or
#                                        "intel9|happy" while blinking)
#   calvoro_find_content_window          the content window and its origin; then the checks
#                                        calvoro_setup_shown, calvoro_power_shown, ...
#   calvoro_check_tooltip INDEX TEXT     the tooltip of one tray icon
#   calvoro_text_shown SHOT X Y W H FONT TEXT
#                                        the rectangle of the screen shows TEXT, dark on light,
#                                        in FONT ("tooltip" or FAMILY:HEIGHT as the program
#                                        names it) and nothing else dark

CALVORO_PICTURES="$(cd -P "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/resources/pictures"
CALVORO_PID=""

calvoro_begin() {
  local build=$1
  CALVORO_BIN="$build/app/calvoro"
  CALVORO_TEXT_PROBE="$build/tests/e2e/text_probe"
  [ -x "$CALVORO_BIN" ] || { echo "missing $CALVORO_BIN" >&2; exit 1; }
  CALVORO_SHOTS="$build/tests/e2e/output/$(basename "$0" .sh)"
  rm -rf "$CALVORO_SHOTS"
  mkdir -p "$CALVORO_SHOTS"

  desktop_start
  xsetroot -solid '#336699'
  # Dates are typed and read as dd/mm/yyyy.
  export LC_ALL=C.UTF-8
  unset LANGUAGE

  # The program keeps its file in the user's configuration folder, here the desktop's scratch one.
  CALVORO_CONFIG_DIR="$XDG_CONFIG_HOME/Calvoro by KALDO Prototyping"
  CALVORO_CONFIG="$CALVORO_CONFIG_DIR/Calvoro.ini"
  CALVORO_TODAY=$(date +%Y-%m-%d)
}

calvoro_write_config() {
  mkdir -p -m 700 "$CALVORO_CONFIG_DIR"
  printf '\r\n%s\r\n%s\r\n%s\r\n' "$1" "$2" "$3" >"$CALVORO_CONFIG"
}

calvoro_remove_config() { rm -f "$CALVORO_CONFIG"; }

calvoro_start() {
  desktop_run "${1:-calvoro}" "$CALVORO_BIN" "${@:2}"
  CALVORO_PID=$DESKTOP_LAST_PID
}

# Starts the program and waits for its three icons and the end of its splash, whose window id
# stays in SPLASH.
calvoro_start_past_splash() {
  calvoro_start "$@"
  calvoro_wait_tray_icons 3
  SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
  desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"
}

# Waits for the end of a process started here; its exit code goes to CALVORO_RC. Never call
# it in a command substitution: a subshell can read the code only of a process this shell had
# reaped already, and gets -1 for one that was still running when the subshell began.
calvoro_wait_exit() {
  local pid=$1
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" eval '! desktop_alive '"$pid" || return 1
  CALVORO_RC=0
  wait "$pid" || CALVORO_RC=$?
}

# xdotool gives up when a window it looks at goes away meanwhile (tray icons come and go at
# start-up): ask again.
calvoro_window() {
  local found="" attempt
  for attempt in 1 2 3 4 5; do
    found=$(xdotool search --all --pid "${2:-$CALVORO_PID}" --name "^$1\$" 2>/dev/null) && break
    [ -n "$found" ] && break
    sleep 0.02
  done
  echo "$found" | head -n 1
}

calvoro_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk -F: '
    /Absolute upper-left X/ {x = $2 + 0}
    /Absolute upper-left Y/ {y = $2 + 0}
    /^ *Width/ {w = $2 + 0}
    /^ *Height/ {h = $2 + 0}
    /Map State/ {gsub(/ /, "", $2); m = $2}
    END {if (m != "") print x, y, w, h, m}'
}

calvoro_is_viewable() { [ "$(calvoro_geometry "$1" | cut -d' ' -f5)" = IsViewable ]; }

calvoro_shot() {
  local path="$CALVORO_SHOTS/$1.png"
  desktop_screenshot "$path"
  echo "$path"
}

_calvoro_poll_shot_once() {
  CALVORO_LAST_SHOT=$(calvoro_shot "$1")
  "${@:2}" "$CALVORO_LAST_SHOT"
}

# Takes screenshots (each overwriting NAME.png) until CHECK SHOT succeeds; the last one stays
# in $CALVORO_LAST_SHOT.
calvoro_poll_shot() {
  local timeout=$1
  shift
  desktop_poll "$timeout" _calvoro_poll_shot_once "$@"
}

calvoro_mean() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# "R G B" is within TOLERANCE (per channel, default 12) of "R2 G2 B2".
calvoro_colour_near() {
  local a b
  read -ra a <<<"$1"
  read -ra b <<<"$2"
  local tolerance=${3:-12} i d
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    ((d < 0)) && d=$((-d))
    ((d <= tolerance)) || return 1
  done
}

# Tray slots that hold an embedded window. The tray host keeps empty slots of removed icons.
calvoro_tray_icons() {
  local window rest
  desktop_tray_icons | while read -r window rest; do
    if xwininfo -id "$window" -children 2>/dev/null | grep -q '^ *1 child'; then
      echo "$window $rest"
    fi
  done
}

# The program's windows embedded in the tray's slots.
calvoro_tray_clients() {
  local window
  for window in $(calvoro_tray_icons | cut -d' ' -f1); do
    xwininfo -id "$window" -children 2>/dev/null | sed -nE 's/^ +(0x[0-9a-f]+) .*/\1/p'
  done
}

# The refresh that follows the closing of the content window runs at the next tick of a
# one-second timer; the tray icons keep their windows through it, so nothing outside shows
# that it has run. Waiting past the tick is the bound.
calvoro_wait_refresh() {
  sleep "${1:-1.3}"
}

_calvoro_icon_count_is() { [ "$(calvoro_tray_icons | wc -l)" -eq "$1" ]; }

calvoro_wait_tray_icons() {
  desktop_poll "${2:-$DESKTOP_TIMEOUT}" _calvoro_icon_count_is "$1" ||
    desktop_fail "expected $1 tray icons, found: $(calvoro_tray_icons | wc -l)"
}

# The icons from right to left: the tray puts the first one added on the right, and the
# program adds them as emotional, intellectual, physical.
calvoro_tray_icons_in_order() { calvoro_tray_icons | sort -k2,2nr; }

# A picture as the tray shows it: the one drawn for the slot's height (or scaled to it), centred
# on the slot's background.
_calvoro_reference() {
  local name=$1 width=$2 height=$3 background=$4
  local size=$((width < height ? width : height))
  local path="$DESKTOP_DIR/refs/${name}_${width}x${height}_${background// /-}.png"
  if [ ! -f "$path" ]; then
    mkdir -p "$DESKTOP_DIR/refs"
    # The icon carries pictures drawn for several sizes; the tray shows the one for its slot.
    local source="$CALVORO_PICTURES/$name.png"
    [ -f "$CALVORO_PICTURES/${name}_$size.png" ] && source="$CALVORO_PICTURES/${name}_$size.png"
    convert "$source" -filter Triangle -resize "${size}x${size}" \
      -background "rgb(${background// /,})" -flatten -gravity center -extent "${width}x${height}" \
      "$path"
  fi
  echo "$path"
}

# Prints the candidate picture nearest to what a slot of SHOT shows, and the distance (the
# root mean square of the difference, as ImageMagick's compare gives it). One process for all
# candidates: a process per comparison made a look at the tray take seconds on a busy machine.
calvoro_slot_picture() {
  local shot=$1 x=$2 y=$3 width=$4 height=$5
  shift 5
  local crop="$DESKTOP_DIR/slot-$x.png"
  convert "$shot" -crop "${width}x${height}+$x+$y" +repage "$crop"
  local background name args=()
  background=$(desktop_pixel "$crop" 0 0)
  for name in "$@"; do
    args+=("(" mpr:slot "$(_calvoro_reference "$name" "$width" "$height" "$background")"
      -compose difference -composite -evaluate pow 2 ")")
  done
  convert "$crop" -write mpr:slot +delete "${args[@]}" -format '%[fx:sqrt(mean)]\n' info: |
    paste -d' ' <(printf '%s\n' "$@") - |
    awk 'NR == 1 || $2 < best_distance {best = $1; best_distance = $2} END {print best, best_distance}'
}

_calvoro_candidates() {
  local prefix=$1 initial=$2 n
  for n in $(seq 0 10); do echo "$prefix$n"; done
  echo happy attenti "$initial"
}

# The pictures the three icons show in SHOT, emotional, intellectual, physical; a slot whose
# nearest picture is not close is reported as "unclear".
calvoro_tray_pictures() {
  local shot=$1 prefixes=(emotio intel physiq) initials=(tray21 tray22 tray23) i=0 result=()
  local window x y width height picture distance
  while read -r window x y width height; do
    ((i < 3)) || break
    read -r picture distance <<<"$(calvoro_slot_picture "$shot" "$x" "$y" "$width" "$height" \
      $(_calvoro_candidates "${prefixes[$i]}" "${initials[$i]}"))"
    if awk -v d="$distance" 'BEGIN {exit !(d > 0.04)}'; then
      picture=unclear
    fi
    result+=("$picture")
    i=$((i + 1))
  done < <(calvoro_tray_icons_in_order)
  echo "${result[*]}"
}

# Whether each shown picture is one of the allowed ones ("emotio6 intel9|happy physiq5").
calvoro_pictures_match() {
  local shown_pictures allowed_pictures i
  read -ra shown_pictures <<<"$1"
  read -ra allowed_pictures <<<"$2"
  ((${#shown_pictures[@]} == 3)) || return 1
  for i in 0 1 2; do
    [[ "|${allowed_pictures[$i]}|" == *"|${shown_pictures[$i]}|"* ]] || return 1
  done
}

# Days from a birth date dd/mm/yyyy to today (the local date at calvoro_begin).
calvoro_day_count() {
  local d m y
  IFS=/ read -r d m y <<<"$1"
  echo $((($(date -u -d "$CALVORO_TODAY" +%s) - $(date -u -d "$y-$m-$d" +%s)) / 86400))
}

# round(50 + 50 sin(2 pi days / period)); no whole day count lands on a half.
_CALVORO_LEVELS_AWK='
  function level(days, period) { return int(50 + 50 * sin(2 * 3.14159265358979324 * days / period) + 0.5) }'

calvoro_levels() {
  awk -v n="$(calvoro_day_count "$1")" "$_CALVORO_LEVELS_AWK"'
    BEGIN {print level(n, 28), level(n, 33), level(n, 23)}'
}

# A birth date 20 to 60 years back whose levels e, i, p meet CONDITION (awk).
calvoro_birth_date_where() {
  local days
  days=$(awk "$_CALVORO_LEVELS_AWK"'
    BEGIN {
      for (n = 7300; n < 21900; n++) {
        e = level(n, 28); i = level(n, 33); p = level(n, 23)
        if ('"$1"') {print n; exit}
      }
    }')
  [ -n "$days" ] || desktop_fail "no birth date with levels where $1"
  date -u -d "$CALVORO_TODAY - $days days" +%d/%m/%Y
}

# Icon step of a level: level / 10 rounded, a half to the even neighbour.
calvoro_icon_index() {
  local q=$(($1 / 10)) r=$(($1 % 10))
  if ((r > 5 || (r == 5 && q % 2 == 1))); then
    q=$((q + 1))
  fi
  echo "$q"
}

calvoro_expected_pictures() {
  local levels=("$1" "$2" "$3") blinking=$4 prefixes=(emotio intel physiq) i index out=()
  for i in 0 1 2; do
    index=$(calvoro_icon_index "${levels[$i]}")
    local allowed="${prefixes[$i]}$index"
    if [ "$blinking" = yes ]; then
      ((index >= 8)) && allowed+="|happy"
      ((index <= 2)) && allowed+="|attenti"
    fi
    out+=("$allowed")
  done
  echo "${out[*]}"
}

# --- The content window ("Calvoro by Kaldo") in panel mode, 385 x 248 ---------------------------
# The checks below take the screenshot last, so that calvoro_poll_shot can run them; they leave
# the reason of a failure in $CALVORO_WHY. Coordinates are the window's own, from its origin
# CALVORO_FX, CALVORO_FY (set by calvoro_find_content_window).

CALVORO_SILVER="192 192 192"
CALVORO_GAUGE_BACK="255 255 221"
CALVORO_WHY=""

_calvoro_why() {
  CALVORO_WHY=$*
  return 1
}

# Finds the content window, waits until it is mapped and records its origin.
calvoro_find_content_window() {
  desktop_poll "${1:-$DESKTOP_TIMEOUT}" eval '[ -n "$(calvoro_window "Calvoro by Kaldo")" ]' ||
    desktop_fail "no content window"
  CALVORO_FORM2=$(calvoro_window "Calvoro by Kaldo")
  desktop_poll "${1:-$DESKTOP_TIMEOUT}" calvoro_is_viewable "$CALVORO_FORM2" ||
    desktop_fail "the content window is not shown"
  read -r CALVORO_FX CALVORO_FY CALVORO_FW CALVORO_FH _ <<<"$(calvoro_geometry "$CALVORO_FORM2")"
}

calvoro_window_pixel() { desktop_pixel "$1" $((CALVORO_FX + $2)) $((CALVORO_FY + $3)); }

calvoro_window_mean() { calvoro_mean "$1" $((CALVORO_FX + $2)) $((CALVORO_FY + $3)) "$4" "$5"; }

# The mean colour of a patch of a panel is that of the panel's stretched picture there.
calvoro_panel_patch_is() {
  local picture=$1 x=$2 y=$3 width=$4 height=$5 shot=$6 seen expected
  seen=$(calvoro_window_mean "$shot" $((10 + x)) $((10 + y)) "$width" "$height")
  expected=$(convert "$CALVORO_PICTURES/$picture.png" -resize '365x228!' \
    -crop "${width}x${height}+$x+$y" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:)
  calvoro_colour_near "$seen" "$expected" 16 ||
    _calvoro_why "panel patch $x,$y ${width}x$height shows $seen, $picture has $expected there"
}

# Dark green frame strips and the four silver "X" corner panels.
calvoro_frame_shown() {
  local shot=$1 strip r g b corner x y
  for strip in "20 1 345 8" "20 239 345 8" "1 20 8 208" "376 20 8 208"; do
    read -r r g b <<<"$(calvoro_window_mean "$shot" $strip)"
    ((g > r + 40 && g > b + 40 && g < 170)) || _calvoro_why "frame strip $strip is $r $g $b" || return 1
  done
  for corner in "0 0" "365 0" "0 228" "365 228"; do
    read -r x y <<<"$corner"
    calvoro_colour_near "$(calvoro_window_pixel "$shot" $((x + 5)) $((y + 14)))" "$CALVORO_SILVER" 8 ||
      _calvoro_why "corner panel at $x,$y is not silver" || return 1
    read -r r g b <<<"$(calvoro_window_pixel "$shot" $((x + 10)) $((y + 10)))"
    ((r < 100 && g < 100 && b < 100)) || _calvoro_why "corner panel at $x,$y has no X" || return 1
  done
}

# The setup panel: its picture, the first-name field with a text at its start, the birth-date
# field.
calvoro_setup_shown() {
  local shot=$1 r g b
  calvoro_frame_shown "$shot" || return 1
  calvoro_panel_patch_is setupbg 2 150 40 70 "$shot" || return 1
  calvoro_panel_patch_is setupbg 190 80 150 25 "$shot" || return 1
  # First-name field at (159, 42), 190 x 30: white after its text, not white where the text is.
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 159 + 130)) $((10 + 42 + 6)) 50 18)"
  ((r > 235 && g > 235 && b > 235)) || _calvoro_why "first-name field is not white ($r $g $b)" || return 1
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 159 + 3)) $((10 + 42 + 6)) 90 18)"
  ((r < 225 || g < 225 || b < 225)) || _calvoro_why "first-name field shows no text" || return 1
  # Birth-date field at (187, 137), 149 x 40: a white field with a text.
  calvoro_colour_near "$(calvoro_window_pixel "$shot" $((10 + 187 + 4)) $((10 + 137 + 3)))" "255 255 255" 8 ||
    _calvoro_why "no white birth-date field" || return 1
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 187 + 4)) $((10 + 137 + 8)) 140 24)"
  ((r < 225 || g < 225 || b < 225)) || _calvoro_why "birth-date field shows no text" || return 1
}

# The power panel: its picture, the black greeting strip, and each gauge filled in its colour
# up to its level (checked 8 pixels, about 5 %, on either side of the fill's edge).
calvoro_power_shown() {
  local levels=("$1" "$2" "$3") shot=$4 fills=("255 0 0" "255 255 0" "0 255 0") k
  calvoro_frame_shown "$shot" || return 1
  calvoro_panel_patch_is powerbg 3 60 28 140 "$shot" || return 1
  calvoro_panel_patch_is powerbg 3 212 355 14 "$shot" || return 1
  calvoro_colour_near "$(calvoro_window_pixel "$shot" 14 20)" "0 0 0" 8 ||
    _calvoro_why "no black greeting strip" || return 1
  for k in 0 1 2; do
    local x=$((10 + 34 + 109 * k + 8)) top=$((10 + 54 + 1)) height=153 level=${levels[$k]}
    local edge=$((top + height - height * level / 100))
    if ((level >= 6)); then
      calvoro_colour_near "$(desktop_pixel "$shot" $((CALVORO_FX + x)) $((CALVORO_FY + edge + 8)))" "${fills[$k]}" ||
        _calvoro_why "gauge $((k + 1)) is not filled below level $level" || return 1
    fi
    if ((level <= 94)); then
      calvoro_colour_near "$(desktop_pixel "$shot" $((CALVORO_FX + x)) $((CALVORO_FY + edge - 8)))" "$CALVORO_GAUGE_BACK" ||
        _calvoro_why "gauge $((k + 1)) is filled above level $level" || return 1
    fi
  done
}

# The guide panel: silver, without a picture, with the three icon pictures in their colours.
calvoro_help_shown() {
  local shot=$1 r g b
  calvoro_frame_shown "$shot" || return 1
  calvoro_colour_near "$(calvoro_window_mean "$shot" $((10 + 2)) $((10 + 140)) 12 50)" "$CALVORO_SILVER" 4 ||
    _calvoro_why "the guide panel is not silver" || return 1
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 63)) $((10 + 25)) 41 41)"
  ((r > g + 40 && r > b + 40)) || _calvoro_why "no red emotional picture ($r $g $b)" || return 1
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 165)) $((10 + 25)) 41 41)"
  ((r > b + 40 && g > b + 40)) || _calvoro_why "no yellow intellectual picture ($r $g $b)" || return 1
  read -r r g b <<<"$(calvoro_window_mean "$shot" $((10 + 261)) $((10 + 25)) 41 41)"
  ((g > r + 40 && g > b + 40)) || _calvoro_why "no green physical picture ($r $g $b)" || return 1
}

# Clicks the "X" corner panel at corner (x, y) of the window.
calvoro_click_corner() {
  xdotool mousemove $((CALVORO_FX + $1 + 10)) $((CALVORO_FY + $2 + 10)) click 1
}

# --- Texts and tooltips ------------------------------------------------------------------------------

# The text is drawn by Qt in the same font on this display and looked for in the rectangle
# (tests/e2e/text_probe.cpp).
calvoro_text_shown() {
  local differ
  differ=$("$CALVORO_TEXT_PROBE" "$@" 2>&1) && return 0
  _calvoro_why "\"$7\" is not what shows: $differ pixels differ"
}

# A shown window of the program shaped like a one-line tooltip; Qt reuses one such window.
_calvoro_tooltip_shown() {
  local window x y width height
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    read -r x y width height _ <<<"$(calvoro_geometry "$window")"
    [ -n "$height" ] && ((width > 3 * height && height <= 60)) || continue
    CALVORO_TIP="$window $x $y $width $height"
    return 0
  done
  return 1
}

# Inside the tooltip's one-pixel frame.
_calvoro_tooltip_reads() {
  local x y width height
  read -r _ x y width height <<<"$CALVORO_TIP"
  calvoro_text_shown "$2" $((x + 1)) $((y + 1)) $((width - 2)) $((height - 2)) tooltip "$1"
}

# Rests the mouse on tray icon INDEX (1 emotional, 2 intellectual, 3 physical) and checks that
# a tooltip comes up by the icon, reading TEXT, and goes when the mouse leaves. The screenshot
# is tooltip-INDEX.
calvoro_check_tooltip() {
  local index=$1 text=$2 x y width height tip_x tip_y tip_width
  local attempt shown=""
  for attempt in 1 2 3; do
    # Away from everything first, until no tooltip shows.
    xdotool mousemove 100 600
    desktop_poll 5 eval '! _calvoro_tooltip_shown' || desktop_fail "a tooltip stays: $CALVORO_TIP"
    read -r _ x y width height <<<"$(calvoro_tray_icons_in_order | sed -n "${index}p")"
    xdotool mousemove $((x + width / 2 - 3)) $((y + height / 2)) sleep 0.05 \
      mousemove $((x + width / 2)) $((y + height / 2))
    if desktop_poll 3 _calvoro_tooltip_shown; then
      shown=yes
      break
    fi
    # Soon after the tray's icons are put in anew, the first hover may bring nothing; the
    # user's next one does.
    echo "note: no tooltip on icon $index at hover $attempt" >&2
  done
  [ -n "$shown" ] || desktop_fail "no tooltip on icon $index"
  read -r _ tip_x tip_y tip_width _ <<<"$CALVORO_TIP"
  ((tip_y < y + height + 40 && tip_x < x + width && tip_x + tip_width > x - 40)) ||
    desktop_fail "tooltip of icon $index at $tip_x,$tip_y, far from the icon at $x,$y"
  calvoro_poll_shot 3 "tooltip-$index" _calvoro_tooltip_reads "$text" ||
    desktop_fail "tooltip of icon $index: $CALVORO_WHY"
  xdotool mousemove 100 600
  desktop_poll 5 eval '! _calvoro_tooltip_shown' || desktop_fail "the tooltip stays"
}
