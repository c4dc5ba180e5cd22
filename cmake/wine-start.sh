#!/usr/bin/env bash
# Starts a Windows program with Wine's loader ($WINELOADER) without the host's address
# randomisation. This Wine has no preloader to hold its fixed addresses before the host places the
# loader's heap, so now and then a start found the shared user data page taken ("failed to map the
# shared user data") and ended with code 1 before the program ran. The programs Wine starts from it
# inherit the setting. Where the system refuses to turn randomisation off, Wine starts as it is.
#   wine-start.sh PROGRAM [ARGUMENTS...]
if setarch "$(uname -m)" -R true 2>/dev/null; then
  exec setarch "$(uname -m)" -R "$WINELOADER" "$@"
fi
exec "$WINELOADER" "$@"
