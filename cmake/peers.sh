#!/usr/bin/env bash
# The network peers of the tests (tests/runtime/support/peers/peers.py): SMTP, HTTP and FTP
# servers of Debian's packages on the loopback address, on ports free when they start, with their
# files under build/peers. ports.txt there tells the tests where they listen.
#   peers.sh start | stop
set -u
source "$(dirname "$0")/wine-env.sh"
dir=$zv_build/peers

stop() {
  if [ -f "$dir/peers.pid" ]; then
    kill "$(cat "$dir/peers.pid")" 2>/dev/null || true
    rm -f "$dir/peers.pid"
  fi
}

start() {
  stop
  rm -rf "$dir"
  mkdir -p "$dir"
  /usr/bin/python3 "$zv_root/tests/runtime/support/peers/peers.py" "$dir" </dev/null >"$dir/peers.log" 2>&1 &
  echo $! >"$dir/peers.pid"
  local i
  for i in $(seq 1 100); do
    [ -f "$dir/ports.txt" ] && return 0
    kill -0 "$(cat "$dir/peers.pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "peers: the servers did not start (see $dir/peers.log)" >&2
  cat "$dir/peers.log" >&2
  return 1
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: peers.sh start|stop" >&2; exit 2 ;;
esac
