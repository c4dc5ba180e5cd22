#!/usr/bin/env bash
# Lists the tests a CTest tree skipped in its last run, each with the reason it gave:
#   skipped-tests.sh TREE
# Exits with 1 when a test was skipped without saying why.
set -u
log=$1/Testing/Temporary/LastTest.log
[ -f "$log" ] || exit 0
awk -v tree="$(basename "$1")" '
  /^[0-9]+\/[0-9]+ Test: / { name = $3; reason = ""; inSkip = 0 }
  # GoogleTest: "file:line: Skipped", then the message up to "[  SKIPPED ] name".
  /: Skipped$/ { inSkip = 1; next }
  inSkip && /^\[  SKIPPED \]/ { inSkip = 0; next }
  inSkip { reason = reason (reason == "" ? "" : " ") $0; next }
  /^Test Pass Reason:/ { passReason = 1; next }
  passReason && /^Skip regular expression found/ {
    if (reason == "") { printf "skipped without a reason (%s): %s\n", tree, name; bad = 1 }
    else printf "skipped (%s): %s: %s\n", tree, name, reason
  }
  { passReason = 0 }
  END { exit bad }
' "$log"
