#!/usr/bin/env bash
# Under a real session manager (xfce4-session on a private bus): a checkpoint, a save without
# logging out, leaves the program running with its three icons and keeps it out of the saved
# session (the autostart entry starts it); a logout, with a window open, ends it with exit code
# 0 and takes its icons away.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_session_manager.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/sni.sh"
command -v xfce4-session >/dev/null || { echo "SKIP: xfce4-session is not installed"; exit 77; }

calvoro_begin "$BUILD"
# A session of one client of our choosing, whatever the machine has installed: the system's
# default session starts a panel where there is one, which takes the tray from the test's, and
# the system's autostart entries may bring icons of their own.
XFSM_CONF="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$XFSM_CONF"
cat >"$XFSM_CONF/xfce4-session.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="general" type="empty">
    <property name="FailsafeSessionName" type="string" value="Failsafe"/>
  </property>
  <property name="sessions" type="empty">
    <property name="Failsafe" type="empty">
      <property name="IsFailsafe" type="bool" value="true"/>
      <property name="Count" type="int" value="1"/>
      <property name="Client0_Command" type="array"><value type="string" value="xfsettingsd"/></property>
      <property name="Client0_Priority" type="int" value="20"/>
      <property name="Client0_PerScreen" type="bool" value="false"/>
    </property>
  </property>
</channel>
XML
sni_bus_start
mkdir -p "$DESKTOP_DIR/no-system-config"
desktop_run xfce4-session env XDG_CONFIG_DIRS="$DESKTOP_DIR/no-system-config" xfce4-session
SM=$DESKTOP_LAST_PID
manager() {
  gdbus call --session -d org.xfce.SessionManager -o /org/xfce/SessionManager \
    -m "org.xfce.Session.Manager.$1" "${@:2}" 2>>"$DESKTOP_DIR/gdbus.err"
}
# Idle (state 1) once its own session's programs have started; only then does it checkpoint.
desktop_poll 30 eval 'manager GetState | grep -q "(uint32 1,)"' ||
  desktop_fail "the session manager did not become idle"
desktop_alive "$SM" && [ -S "/tmp/.ICE-unix/$SM" ] || desktop_fail "the session manager has no ICE socket"
host=$(hostname)
export SESSION_MANAGER="local/$host:@/tmp/.ICE-unix/$SM,unix/$host:/tmp/.ICE-unix/$SM"

calvoro_write_config Anna 01/02/1990 1
calvoro_start_past_splash

manager Checkpoint '""' >/dev/null || desktop_fail "the checkpoint was refused"
SAVED="$XDG_CACHE_HOME/sessions/xfce4-session-$host$DISPLAY"
desktop_poll 20 test -s "$SAVED" || desktop_fail "the checkpoint saved no session"
# Still there, and answering: its icons and its tray menu.
desktop_alive "$CALVORO_PID" || desktop_fail "the checkpoint ended the program"
calvoro_wait_tray_icons 3
ICON=$(calvoro_tray_icons_in_order | head -n 1 | cut -d' ' -f1)
desktop_right_click_menu "$ICON" _desktop_popup_shown "$CALVORO_PID" ||
  desktop_fail "no tray menu after the checkpoint"
calvoro_shot 0-after-checkpoint >/dev/null
desktop_key Escape
! grep -qE '^Client[0-9]+_Program=.*/calvoro$' "$SAVED" || desktop_fail "the saved session would start the program again: $(cat "$SAVED")"

# A logout with a window open (the power panel) ends the program as well.
desktop_click "$ICON"
calvoro_find_content_window
manager Logout false false >/dev/null || desktop_fail "the logout was refused"
calvoro_wait_exit "$CALVORO_PID" 20 || desktop_fail "the logout did not end the program"
[ "$CALVORO_RC" = 0 ] || desktop_fail "the program ended with exit code $CALVORO_RC at the logout"
calvoro_wait_tray_icons 0 3
echo "PASS"
