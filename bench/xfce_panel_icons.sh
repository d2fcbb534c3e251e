#!/usr/bin/env bash
# How often the panel of an XFCE desktop shows all three icons: RUNS times (50) a fresh Xvfb,
# a private session bus, xfce4-panel with only its notification area, and Calvoro; each run
# counts the icons drawn on the panel once the watcher lists the three items, and gives them
# up to WAIT seconds (5) to show. With RESTART=1 the panel is restarted first (the icons go to
# the X tray meanwhile and back to the bus), and counted after. Prints one line per run and a
# summary.
#   bench/xfce_panel_icons.sh BUILD_DIR [RUNS]
# Slow (about 3 s a run) and needs xfce4-panel: not part of the tests.
set -uo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RUNS=${2:-50}
WAIT=${WAIT:-5}
LIB="$(cd "$(dirname "$0")/.." && pwd)/tests/e2e/lib"
# Apart from other copies of the program on this machine (its one-copy lock).
[ -n "${XFCE_PANEL_ICONS_OWN_NETWORK:-}" ] ||
  XFCE_PANEL_ICONS_OWN_NETWORK=1 exec bash "$LIB/own_network.sh" bash "$0" "$@"
command -v xfce4-panel >/dev/null || {
  echo "xfce4-panel is not installed" >&2
  exit 1
}

# The icons on the panel's strip: runs of columns that differ from the panel's ground.
count_icons() {
  convert "$1" -crop "1024x${2}+0+0" +repage -depth 8 txt:- 2>/dev/null | awk -v ground="$3" '
      NR > 1 && index($0, ground) == 0 { split($1, at, ","); used[at[1]] = 1 }
      END {
        runs = 0; previous = -9
        for (x = 0; x < 1024; x++) if (x in used) { if (x > previous + 2) runs++; previous = x }
        print runs
      }'
}

one_run() (
  # shellcheck source=/dev/null
  source "$LIB/desktop.sh"
  # shellcheck source=/dev/null
  source "$LIB/calvoro.sh"
  # shellcheck source=/dev/null
  source "$LIB/sni.sh"
  # shellcheck disable=SC2034 # read by desktop_poll
  DESKTOP_SLOWDOWN=1
  calvoro_begin "$BUILD" >/dev/null 2>&1
  desktop_stop_tray
  conf="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
  mkdir -p "$conf"
  cat >"$conf/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="30"/>
      <property name="background-style" type="uint" value="1"/>
      <property name="background-rgba" type="array">
        <value type="double" value="0"/><value type="double" value="0"/>
        <value type="double" value="0"/><value type="double" value="1"/>
      </property>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
  sni_bus_start
  [ -z "${MONITOR:-}" ] || desktop_run monitor dbus-monitor --session
  desktop_run panel xfce4-panel
  PANEL=$DESKTOP_LAST_PID
  desktop_poll 15 _sni_watcher_up || {
    echo "no-watcher"
    exit 0
  }
  calvoro_write_config Anna 01/02/1990 0
  calvoro_start
  _three() { [ "$(sni_items | wc -l)" -eq 3 ]; }
  desktop_poll 15 _three || {
    echo "items=$(sni_items | wc -l)"
    exit 0
  }
  shot="$DESKTOP_DIR/panel.png"
  _all_drawn() {
    desktop_screenshot "$shot"
    [ "$(count_icons "$shot" 30 '#000000')" -ge 3 ]
  }
  desktop_poll "$WAIT" _all_drawn
  if [ -n "${RESTART:-}" ]; then
    # The panel restarts: the icons go to the X tray meanwhile and come back as items.
    desktop_stop_pid "$PANEL"
    desktop_poll 15 eval '! _sni_watcher_up'
    desktop_run panel xfce4-panel
    desktop_poll 15 _sni_watcher_up && desktop_poll 15 _three && desktop_poll "$WAIT" _all_drawn
  fi
  n=$(count_icons "$shot" 30 '#000000')
  # A run that missed icons keeps its screenshot; KEEP_SHOTS=DIR keeps every run's there.
  if [ -n "${KEEP_SHOTS:-}" ] || [ "$n" -lt 3 ]; then
    mkdir -p "${KEEP_SHOTS:=$BUILD/xfce-panel-shots}"
    cp "$shot" "$KEEP_SHOTS/run-$RUN-icons-$n.png"
    [ -z "${MONITOR:-}" ] || cp "$(desktop_output monitor)" "$KEEP_SHOTS/run-$RUN-bus.txt"
    xwininfo -root -tree >"$KEEP_SHOTS/run-$RUN-windows.txt" 2>&1
  fi
  echo "icons=$n items=$(sni_items | wc -l)"
)

all=0
for ((run = 1; run <= RUNS; run++)); do
  result=$(RUN=$run one_run)
  echo "run $run: $result"
  [[ $result == icons=3* ]] && all=$((all + 1))
done
echo "all three icons shown in $all of $RUNS runs"
