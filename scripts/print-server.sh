#!/usr/bin/env bash
# A private CUPS print server for the printing tests, beside (never instead of)
# the machine's own printing: its own configuration, state, spool and log under
# DIR, listening only on the socket DIR/cups.sock. It has two queues on the
# cups-pdf backend, which writes each page as a PDF file under the home folder
# of the user who printed, in ~/PDF:
#   vantel-pdf        the default printer
#   vantel-rejecting  a printer that refuses every job
# Clients reach it with CUPS_SERVER=DIR/cups.sock.
#
# Usage: scripts/print-server.sh start|stop|status DIR
# Needs root for the scheduler and its backend; runs itself through sudo when
# started by another user. The Debian packages come from scripts/setup.sh.
# When it cannot start for want of root or of those packages, it says what is
# missing and exits with 77, which ctest reports as skipped.
set -euo pipefail

usage() {
  echo "usage: $0 start|stop|status DIR" >&2
  exit 2
}
[ $# -eq 2 ] || usage
action=$1
dir=$2
case $dir in /*) ;; *) dir=$PWD/$dir ;; esac

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    exec sudo -n "$0" "$action" "$dir"
  fi
  echo "print server: needs root for cupsd and its cups-pdf backend, and sudo is not available" \
    "without a password; run '$0 $action $dir' as root" >&2
  [ "$action" = status ] || exit 77
  exit 1
fi

socket=$dir/cups.sock
export CUPS_SERVER=$socket
export PATH=$PATH:/usr/sbin:/sbin

# True while the scheduler this script started for DIR runs (the process of
# the recorded id is a cupsd reading DIR's configuration).
running() {
  [ -s "$dir/cupsd.pid" ] &&
    tr '\0' ' ' <"/proc/$(cat "$dir/cupsd.pid")/cmdline" 2>/dev/null |
    grep -q "cupsd .*$dir/etc/cupsd.conf"
}

stop() {
  if running; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -f "$dir/cupsd.pid" "$socket"
}

fail() {
  echo "print server: $*" >&2
  [ -f "$dir/log/error_log" ] && tail -n 20 "$dir/log/error_log" >&2
  stop
  exit 1
}

skip() {
  echo "print server: skipped, $*" >&2
  exit 77
}

start() {
  for tool in cupsd lpadmin lpstat cupsreject; do
    command -v "$tool" >/dev/null ||
      skip "'$tool' is missing: run scripts/setup.sh (Debian's cups, cups-client)"
  done
  local backend=/usr/lib/cups/backend/cups-pdf
  local ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  [ -x "$backend" ] || skip "$backend is missing: run scripts/setup.sh (printer-driver-cups-pdf)"

  if [ -e "$dir" ] && [ ! -f "$dir/etc/cupsd.conf" ] && [ -n "$(ls -A "$dir")" ]; then
    echo "print server: $dir holds other files; give an empty or new folder" >&2
    exit 1
  fi
  stop
  rm -rf "$dir"
  # The scheduler runs its filters as the user lp, who must reach the spool.
  mkdir -p "$dir"/{etc/ppd,etc/ssl,state,cache,spool,tmp,log}
  chmod 755 "$dir"
  chgrp lp "$dir/tmp"
  chmod 1770 "$dir/tmp"
  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
SystemGroup root
PeerCred on
Printcap $dir/printcap
FileDevice No
EOF
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel info
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
ErrorPolicy abort-job
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # Job numbers start at random: cups-pdf names each file after its job, and
  # the files of every private server meet in the same ~/PDF.
  printf '# Job cache file for CUPS\nNextJobId %s\n' "$(shuf -i 1000-1999999999 -n 1)" \
    >"$dir/cache/job.cache"
  # In the foreground of a session of its own, so that its process id is known;
  # no descriptor of the caller stays open in it (a test runner waits on those).
  setsid cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
  running || fail "cupsd stopped at once: $(cat "$dir/log/cupsd.out")"
  lpstat -r >/dev/null 2>&1 || fail "cupsd does not answer on $socket"

  lpadmin -p vantel-pdf -E -v cups-pdf:/ -m "$ppd" -D "Vantel test PDF printer" ||
    fail "could not add the queue vantel-pdf"
  lpadmin -d vantel-pdf || fail "could not make vantel-pdf the default printer"
  lpadmin -p vantel-rejecting -E -v cups-pdf:/ -m "$ppd" -D "Vantel test printer refusing jobs" ||
    fail "could not add the queue vantel-rejecting"
  cupsreject -r "refuses every job, for the tests" vantel-rejecting ||
    fail "could not make vantel-rejecting refuse jobs"
  echo "print server: running on $socket (default printer vantel-pdf)"
}

case $action in
  start) start ;;
  stop) stop ;;
  status)
    running || { echo "print server: not running in $dir" >&2; exit 1; }
    lpstat -t
    ;;
  *) usage ;;
esac
