# Sourced by run.sh and test.sh: a virtual display and a persistent wineserver for this run,
# ended by their own process ids when the caller exits.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
zv_wine_env
zv_xvfb_pid=

zv_start_display() {
  local n i
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp +extension GLX >"$zv_build/xvfb.log" 2>&1 &
    zv_xvfb_pid=$!
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$zv_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$zv_xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n" ZV_DISPLAY=":$n"
      return 0
    fi
    zv_xvfb_pid=
  done
  echo "no free X display for Xvfb" >&2
  return 1
}

zv_start_wineserver() {
  # Keep its output away from pipes that callers wait on.
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  # A first program brings up the prefix's services so that tests start quickly.
  "$ZV_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

zv_end_session() {
  "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$zv_xvfb_pid" ]; then
    kill "$zv_xvfb_pid" 2>/dev/null || true
    wait "$zv_xvfb_pid" 2>/dev/null || true
    zv_xvfb_pid=
  fi
}
