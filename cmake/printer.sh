#!/usr/bin/env bash
# A printer that Wine sees, for the printing tests: a CUPS scheduler of this build's own (its
# socket, spool and logs under build/cups, nothing of the system's configuration touched) with one
# queue, "qbkpdf", whose pages Debian's generic PDF printer driver (cups-filters) turns into a PDF
# file, build/cups/out/page.pdf, one file per job.
#   printer.sh start | stop
# The test runner (wine-run.sh) points CUPS_SERVER at the socket while the scheduler runs.
set -u
source "$(dirname "$0")/wine-env.sh"
dir=$zv_build/cups
sock=$dir/cups.sock
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "$sock"
}

start() {
  stop
  if [ ! -x /usr/sbin/cupsd ] || [ ! -f "$ppd" ]; then
    echo "printer: CUPS or its PDF printer driver is missing (run cmake/setup.sh)" >&2
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$dir"/{conf,spool,cache,state,tmp,log,out}
  chmod 777 "$dir/out" "$dir/tmp"
  cat >"$dir/conf/cupsd.conf" <<CONF
Listen $sock
LogLevel warn
WebInterface No
Browsing No
MaxJobs 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
  /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >"$dir/log/stdout" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  local i
  for i in $(seq 1 100); do
    [ -S "$sock" ] && break
    sleep 0.1
  done
  if [ ! -S "$sock" ]; then
    echo "printer: the scheduler did not start:" >&2
    cat "$dir/log/stdout" "$dir/log/error_log" >&2 2>/dev/null
    stop
    return 1
  fi
  CUPS_SERVER=$sock lpadmin -p qbkpdf -E -v "file://$dir/out/page.pdf" -P "$ppd" 2>/dev/null &&
    CUPS_SERVER=$sock lpadmin -d qbkpdf || { echo "printer: the queue could not be made" >&2; stop; return 1; }
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: printer.sh start|stop" >&2; exit 2 ;;
esac
