# A private print server for one test: cupsd with its own configuration folder, socket and port,
# and a PDF queue whose pages land in a folder of the test. Runs as root (the PDF back end
# refuses otherwise). Source after desktop.sh, then:
#
#   printer_start            starts the server; exports CUPS_SERVER so that programs started
#                            afterwards print there; no queue yet, so no default printer
#   printer_add_default      adds the PDF queue and makes it the default printer
#   printer_wait_idle [S]    until no job is pending
#   printer_pdfs             the PDF files printed so far, one a line
#   printer_stop             stops the server by its PID and removes the queue's settings
#
# The PDF back end reads its settings from /etc/cups; the queue's own file there carries the
# test's PID in its name and goes away with printer_stop.

PRINTER_DIR=""
PRINTER_PID=""
PRINTER_QUEUE=""
PRINTER_QUEUE_CONF=""

_printer_free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

_printer_ready() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

printer_start() {
  # ctest reports exit code 77 as skipped.
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: printing needs root for the PDF back end"; exit 77; }
  command -v cupsd >/dev/null || command -v /usr/sbin/cupsd >/dev/null ||
    desktop_fail "cupsd is not installed (bash scripts/setup.sh)"
  PRINTER_DIR=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-cups.XXXXXX")
  chmod 755 "$PRINTER_DIR"
  mkdir -p "$PRINTER_DIR"/{etc/ppd,spool/tmp,cache,state,log,pdf,pdf-spool}
  chmod 755 "$PRINTER_DIR/pdf"
  local port
  port=$(_printer_free_port)
  cat >"$PRINTER_DIR/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
Listen $PRINTER_DIR/cups.sock
LogLevel info
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$PRINTER_DIR/etc/cups-files.conf" <<CONF
ServerRoot $PRINTER_DIR/etc
RequestRoot $PRINTER_DIR/spool
TempDir $PRINTER_DIR/spool/tmp
CacheDir $PRINTER_DIR/cache
StateDir $PRINTER_DIR/state
ErrorLog $PRINTER_DIR/log/error_log
AccessLog $PRINTER_DIR/log/access_log
PageLog $PRINTER_DIR/log/page_log
SystemGroup root
Sandboxing Relaxed
CONF
  /usr/sbin/cupsd -f -c "$PRINTER_DIR/etc/cupsd.conf" -s "$PRINTER_DIR/etc/cups-files.conf" \
    >"$PRINTER_DIR/log/cupsd.out" 2>&1 </dev/null &
  PRINTER_PID=$!
  export CUPS_SERVER="$PRINTER_DIR/cups.sock"
  unset PRINTER LPDEST
  desktop_poll "$DESKTOP_TIMEOUT" _printer_ready || desktop_fail "cupsd did not start: $(cat "$PRINTER_DIR/log/"*)"
}

printer_add_default() {
  PRINTER_QUEUE="CalvoroTest$$"
  PRINTER_QUEUE_CONF="/etc/cups/cups-pdf-$PRINTER_QUEUE.conf"
  cat >"$PRINTER_QUEUE_CONF" <<CONF
Out $PRINTER_DIR/pdf
AnonDirName $PRINTER_DIR/pdf
Spool $PRINTER_DIR/pdf-spool
Log $PRINTER_DIR/log
Grp root
CONF
  lpadmin -p "$PRINTER_QUEUE" -E -v "cups-pdf:/$PRINTER_QUEUE" \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || desktop_fail "lpadmin failed"
  lpadmin -d "$PRINTER_QUEUE" || desktop_fail "no default printer"
}

_printer_idle() { [ -z "$(lpstat -W not-completed -o 2>/dev/null)" ]; }

printer_wait_idle() { desktop_poll "${1:-$DESKTOP_TIMEOUT}" _printer_idle; }

printer_pdfs() { find "$PRINTER_DIR/pdf" -name '*.pdf' -size +0 2>/dev/null | sort; }

printer_log() { tail -n 20 "$PRINTER_DIR/log/error_log" 2>/dev/null; }

printer_stop() {
  if [ -n "$PRINTER_PID" ]; then
    desktop_stop_pid "$PRINTER_PID" 200
    PRINTER_PID=""
  fi
  [ -n "$PRINTER_QUEUE_CONF" ] && rm -f "$PRINTER_QUEUE_CONF"
  if [ -n "$PRINTER_DIR" ] && [ -z "${DESKTOP_KEEP:-}" ]; then
    rm -rf "$PRINTER_DIR"
  fi
  PRINTER_DIR=""
}
