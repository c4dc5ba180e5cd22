#!/usr/bin/env bash
# A pair of linked pseudo-terminals (socat) for the serial port tests: what one end is sent the
# other receives. In the project's Wine prefix the ends are COM21 and COM22.
#   serial.sh start | stop
set -u
source "$(dirname "$0")/wine-env.sh"
zv_wine_env || exit 1
dir=$zv_build/serial
devices=$WINEPREFIX/dosdevices

stop() {
  if [ -f "$dir/socat.pid" ]; then
    kill "$(cat "$dir/socat.pid")" 2>/dev/null || true
    rm -f "$dir/socat.pid"
  fi
  rm -f "$devices/com21" "$devices/com22"
}

start() {
  stop
  if ! command -v socat >/dev/null; then
    echo "serial: socat is missing (run cmake/setup.sh)" >&2
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$dir" "$devices"
  socat "pty,raw,echo=0,link=$dir/com21" "pty,raw,echo=0,link=$dir/com22" </dev/null >"$dir/socat.log" 2>&1 &
  echo $! >"$dir/socat.pid"
  local i
  for i in $(seq 1 100); do
    if [ -e "$dir/com21" ] && [ -e "$dir/com22" ]; then
      ln -sfn "$dir/com21" "$devices/com21"
      ln -sfn "$dir/com22" "$devices/com22"
      return 0
    fi
    sleep 0.1
  done
  echo "serial: socat made no terminals (see $dir/socat.log)" >&2
  return 1
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: serial.sh start|stop" >&2; exit 2 ;;
esac
