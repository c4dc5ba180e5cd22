#!/usr/bin/env bash
# Plays zorvane.exe as a player would, under Wine on the test display, and checks the screen, the
# exit code and the saved tables at each step.
#   play_test.sh full|exit GAME_DIR HELPER KEY_FILE TREE
# full: name a player, drive Easy level 1 with a pause, play lesson 1 from the help pages, open the
#       high scores, leave through the exit page, start again and find the player kept.
# exit: Escape on the main page, then Return: the game ends with exit code 0 and saves its tables.
# Screenshots go to TREE/play-<mode>/; one of a level in play also to TREE/zorvane-level.png.
set -uo pipefail
mode=$1 game_dir=$2 helper=$3 key_file=$4 tree=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../cmake/wine-env.sh"
zv_wine_env
if [ -n "${ZV_DISPLAY:-}" ]; then export DISPLAY=$ZV_DISPLAY; fi
if [ -z "${DISPLAY:-}" ]; then echo "play: no display" >&2; exit 1; fi

shots=$tree/play-$mode
rm -rf "$shots"
mkdir -p "$shots" "$tree/run"
work=$(mktemp -d "$tree/run/play-$mode.XXXXXX")
home=$work/home
folder=$work/game
game_pid=
failures=0
rc=

cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill "$game_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The game's folder as it ships, without saved tables.
mkdir -p "$folder" "$home"
for f in zorvane.exe image.dat sound.dat level.dat music.dat config.ini help music; do
  [ -e "$game_dir/$f" ] && cp -r "$game_dir/$f" "$folder/"
done
# Sound goes into a file, as in the other Windows tests.
printf 'pcm.!default { type file slave.pcm "null" file "%s/sound.raw" format "raw" }\n' "$home" >"$home/.asoundrc"
export HOME=$home LP_NUM_THREADS=${LP_NUM_THREADS:-4}

winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
helper() { "$ZV_WINE" "$helper" "$@"; }
keys() { helper keys "$@" || fail "keys $*"; }

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "play: $*"; }

start_game() {
  (cd "$folder" && exec timeout 300 "$ZV_WINE" ./zorvane.exe) &
  game_pid=$!
  helper window || { fail "the game's window did not appear"; return 1; }
}

# Waits up to 30 s for the game to end; its exit code goes to rc.
wait_game() {
  local i
  rc="still running"
  for i in $(seq 1 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && return
  wait "$game_pid"
  rc=$?
  game_pid=
}

shot() {  # name
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "$shots/$1.png"
  current=$shots/$1.png
}

# Taps a key until the screen shows its effect, for keys that act within the page or level shown: a
# tap can fall between two frames of a busy game. Each tap has 5 s to show before the next; 30 s in
# all. Keys that switch between the menu and a level (which loads for a while) are tapped once and
# waited for with until_shown.
press() {  # name key check [arguments...]
  local name=$1 key=$2 deadline=$((SECONDS + 30)) tap_deadline
  shift 2
  while :; do
    keys "tap:$key"
    tap_deadline=$((SECONDS + 5))
    while :; do
      shot "$name"
      "$@" && return 0
      [ "$SECONDS" -lt "$tap_deadline" ] || break
      sleep 0.3
    done
    [ "$SECONDS" -lt "$deadline" ] || { fail "$name: $key showed no effect"; return 1; }
    note "$name: $key showed nothing yet, tapping it again"
  done
}

# Takes screenshots until the check holds for one (a command that reads the current screenshot,
# says nothing and succeeds when it holds), at most 30 s; the last one stays as NAME.
until_shown() {  # name check [arguments...]
  local name=$1 deadline=$((SECONDS + 30))
  shift
  while :; do
    shot "$name"
    "$@" && return 0
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.3
  done
}

# Mean colour of a region of the current screenshot: "r g b" (0 to 255).
mean() {  # x y w h
  convert "$current" -crop "${3}x${4}+${1}+${2}" +repage -scale '1x1!' \
    -format '%[fx:int(255*u.r+0.5)] %[fx:int(255*u.g+0.5)] %[fx:int(255*u.b+0.5)]' info:
}

# Per mille of the pixels of a region within a distance of a colour.
share() {  # x y w h colour
  convert "$current" -crop "${3}x${4}+${1}+${2}" +repage -fuzz 9% -fill '#FF00FE' -opaque "$5" \
    -fuzz 0 -fill black +opaque '#FF00FE' -fill white -opaque '#FF00FE' -scale '1x1!' \
    -format '%[fx:int(1000*u.r+0.5)]' info:
}

# Pixels of a region that differ between two screenshots.
differ() {  # first second x y w h
  compare -metric AE -fuzz 5% "$shots/$1.png[${5}x${6}+${3}+${4}]" "$shots/$2.png[${5}x${6}+${3}+${4}]" null: 2>&1 |
    sed 's/[^0-9].*//'
}

# Spread of the grey levels of a region, 0 to 1000: a flat colour is 0.
spread() {  # x y w h
  convert "$current" -crop "${3}x${4}+${1}+${2}" +repage -colorspace gray -format '%[fx:int(1000*standard_deviation+0.5)]' info:
}

# Which page's backdrop shows: the tint of the glow round the tunnel's far end, compared with the
# tints the backdrops are painted in.
page() {
  mean 452 400 120 80 | awk '
    BEGIN {
      n = split("main 60 124 255|players 32 200 176|levels 154 80 255|scores 255 154 48|starting 64 224 96|exit 255 64 80", t, "|")
    }
    {
      r = $1 - 4; g = $2 - 6; b = $3 - 14; len = sqrt(r*r + g*g + b*b)
      best = "none"; bestCos = 0.9
      if (len < 20) { print "dark"; exit }
      for (i = 1; i <= n; i++) {
        split(t[i], f, " ")
        tl = sqrt(f[2]*f[2] + f[3]*f[3] + f[4]*f[4])
        c = (r*f[2] + g*f[3] + b*f[4]) / (len * tl)
        if (c > bestCos) { bestCos = c; best = f[1] }
      }
      print best
    }'
}

# The page on the current screenshot (page_now) and whether it is the expected menu page, not a
# level run in the same colours (no gem count at the top right).
page_is() {  # expected
  page_now=$(page)
  hud_now=$(share 724 0 300 50 "$plain")
  [ "$page_now" = "$1" ] && [ "$hud_now" -lt 2 ]
}

# Waits until the page shows (a mode switch loads for a while).
expect_page() {  # name expected
  until_shown "$1" page_is "$2"
  report_page "$1" "$2"
}

report_page() {  # name expected
  note "$1: page $page_now (glow $(mean 452 400 120 80), display texts $hud_now)"
  [ "$page_now" = "$2" ] || fail "$1: the $2 page was expected, the screen shows $page_now"
  [ "$hud_now" -lt 2 ] || fail "$1: a level's display shows instead of the $2 page"
}

# Palette colours of the texts.
plain='#E1E1FF' headline='#FFEBC3' selected='#C3FFC3' warning='#FF5050'

# The band of a centred menu item (0 to 7) in font 3, as the pages place them on a 1024 x 768 screen.
item_share() {  # index colour
  local top=$((768 * 30 / 100 + $1 * 46))
  share 262 "$top" 500 46 "$2"
}

# The item drawn in the selected colour on the current screenshot: selected_now, its share.
selected_is() {  # index count
  local i share
  selected_now=-1 selected_share=0
  for i in $(seq 0 $(($2 - 1))); do
    share=$(item_share "$i" "$selected")
    if [ "$share" -gt "$selected_share" ]; then selected_now=$i selected_share=$share; fi
  done
  [ "$selected_now" = "$1" ]
}

expect_selected_item() {  # name index count
  until_shown "$1" selected_is "$2" "$3"
  report_selected "$1" "$2"
}

report_selected() {  # name index
  note "$1: selected item $selected_now (share $selected_share)"
  [ "$selected_now" = "$2" ] || fail "$1: item $2 should be selected, item $selected_now is"
}

# A level in play: the tunnel fills the screen and the display's texts stand at the top.
level_shown() {
  tunnel_now=$(spread 200 300 624 300)
  time_now=$(share 412 0 200 50 "$plain")
  gems_now=$(share 724 0 300 50 "$plain")
  [ "$tunnel_now" -gt 40 ] && [ "$time_now" -gt 3 ] && [ "$gems_now" -gt 3 ]
}

report_level() {  # name
  note "$1: tunnel spread $tunnel_now, time text $time_now, gems text $gems_now, page $(page)"
  [ "$tunnel_now" -gt 40 ] || fail "$1: no tunnel in the middle of the screen"
  [ "$time_now" -gt 3 ] || fail "$1: no time at the top of the screen"
  [ "$gems_now" -gt 3 ] || fail "$1: no gem count at the top right"
}

expect_level() {  # name
  until_shown "$1" level_shown
  report_level "$1"
}

# A level in play whose tunnel and time have both changed since the screenshot FIRST.
level_moved_on() {  # first name
  level_shown || return 1
  moved_now=$(differ "$1" "$2" 0 100 1024 568)
  ticked_now=$(differ "$1" "$2" 412 0 200 50)
  [ "${moved_now:-0}" -gt 10000 ] && [ "${ticked_now:-0}" -gt 20 ]
}

pause_panel() {  # item (0 Resume, 1 Replay, 2 Back): share of the selected colour in its band
  share 312 $((384 - 69 + $1 * 46)) 400 46 "$selected"
}

panel_selects() {  # item
  panel_now=$(pause_panel "$1")
  [ "$panel_now" -gt 3 ]
}

# The level goes on without the panel.
panel_gone() {
  [ "$(pause_panel 0)" -lt 3 ] && [ "$(pause_panel 1)" -lt 3 ] && level_shown
}

# Texts on the level, help, high-score and credits pages, in their colours.
easy_shown() { easy_now=$(share 262 250 500 120 "$selected"); [ "$easy_now" -gt 3 ]; }
title_shown() { title_now=$(share 112 230 800 77 "$headline"); [ "$title_now" -gt 3 ]; }
headings_shown() { headings_now=$(share "$@" "$selected"); [ "$headings_now" -gt 3 ]; }

play_full() {
  start_game || return
  expect_page start main
  expect_selected_item start 0 5
  press down DOWN selected_is 1 5
  report_selected down 1
  press up UP selected_is 0 5
  press players RETURN page_is players
  report_page players players
  expect_selected_item players 0 8

  # Player 1 becomes ANNA 7.
  keys tap:BACK tap:BACK tap:BACK tap:BACK tap:BACK tap:BACK tap:BACK tap:BACK type:ANNA tap:SPACE tap:7
  shot named
  press levels RETURN page_is levels
  report_page levels levels
  # "Easy" in the selected colour under the player's name.
  press easy DOWN easy_shown
  note "easy: difficulty text $easy_now"
  [ "$easy_now" -gt 3 ] || fail "easy: no difficulty drawn on the level page"

  keys tap:RETURN
  expect_level level
  keys hold:UP:2500 hold:LEFT:300 hold:UP:1500 hold:RIGHT:300
  # The tunnel moved by and the time counted down.
  until_shown driven level_moved_on level driven
  report_level driven
  cp "$current" "$tree/zorvane-level.png"
  note "driven: $moved_now pixels of the tunnel and $ticked_now of the time changed"
  [ "${moved_now:-0}" -gt 10000 ] || fail "driven: the tunnel did not move"
  [ "${ticked_now:-0}" -gt 20 ] || fail "driven: the time did not count down"

  press paused ESCAPE panel_selects 1
  note "paused: Replay selected $panel_now"
  [ "$panel_now" -gt 3 ] || fail "paused: no pause panel with Replay selected"
  press resume UP panel_selects 0
  note "resume: Resume selected $panel_now"
  [ "$panel_now" -gt 3 ] || fail "resume: Resume is not selected"
  press resumed RETURN panel_gone
  keys hold:UP:1000
  until_shown resumed panel_gone
  note "resumed: panel $(pause_panel 0) $(pause_panel 1)"
  [ "$(pause_panel 0)" -lt 3 ] && [ "$(pause_panel 1)" -lt 3 ] || fail "resumed: the pause panel stays"
  report_level resumed

  # Back to the menu: the level page it was started from.
  leave_level back levels

  # Lesson 1 from the help pages.
  press main ESCAPE page_is main
  report_page main main
  press main-down DOWN selected_is 1 5
  press main-help DOWN selected_is 2 5
  press help RETURN page_is players
  report_page help players
  until_shown help title_shown
  note "help: title $title_now"
  [ "$title_now" -gt 3 ] || fail "help: no title on the help page"
  keys tap:RETURN
  shot lesson1-page
  keys tap:RETURN
  expect_level lesson
  keys hold:UP:2000
  leave_level after-lesson players

  # The high scores, then out through the exit page.
  press main-again ESCAPE page_is main
  report_page main-again main
  expect_selected_item main-again 2 5
  press main-scores UP selected_is 1 5
  press scores RETURN page_is scores
  report_page scores scores
  until_shown scores headings_shown 100 295 824 35
  note "scores: column headings $headings_now"
  [ "$headings_now" -gt 3 ] || fail "scores: no column headings"
  press main-back ESCAPE page_is main
  press main-help-again DOWN selected_is 2 5
  press main-credits DOWN selected_is 3 5
  press credits RETURN page_is players
  report_page credits players
  until_shown credits headings_shown 0 230 1024 400
  note "credits: headings $headings_now"
  [ "$headings_now" -gt 3 ] || fail "credits: no headings"
  press main-last ESCAPE page_is main
  press exit ESCAPE page_is exit
  report_page exit exit
  keys tap:RETURN
  wait_game
  note "exit code $rc"
  [ "$rc" = 0 ] || fail "the game ended with $rc instead of 0"

  check_tables "first run"
  grep -q "NAME=ANNA 7" "$work/players.txt" || fail "player.dat does not hold the name typed"

  # The next start keeps the player.
  start_game || return
  expect_page restart main
  press restart-players RETURN page_is players
  report_page restart-players players
  press restart-main ESCAPE page_is main
  press restart-exit ESCAPE page_is exit
  keys tap:RETURN
  wait_game
  [ "$rc" = 0 ] || fail "the second run ended with $rc instead of 0"
  check_tables "second run"
  grep -q "NAME=ANNA 7" "$work/players.txt" || fail "the second run lost the player's name"
}

# From a level in play to the menu page it was started from, through the pause panel's "Back".
leave_level() {  # name page
  press "$1-paused" ESCAPE panel_selects 1
  press "$1-back" DOWN panel_selects 2
  keys tap:RETURN
  expect_page "$1" "$2"
}

check_tables() {  # when
  [ -s "$folder/player.dat" ] || { fail "$1: no player.dat"; return; }
  [ -s "$folder/score.dat" ] || { fail "$1: no score.dat"; return; }
  helper unscramble "$(winpath "$folder/player.dat")" "$(winpath "$key_file")" | tr -d '\r' >"$work/players.txt"
  helper unscramble "$(winpath "$folder/score.dat")" "$(winpath "$key_file")" | tr -d '\r' >"$work/scores.txt"
  grep -q '^\[7\]' "$work/players.txt" || fail "$1: player.dat does not hold eight players"
  grep -q '^COUNT=' "$work/scores.txt" || fail "$1: score.dat holds no tables"
  note "$1: players: $(grep NAME= "$work/players.txt" | tr '\n' ' ')"
}

play_exit() {
  start_game || return
  expect_page start main
  press exit ESCAPE page_is exit
  report_page exit exit
  keys tap:RETURN
  wait_game
  note "exit code $rc"
  [ "$rc" = 0 ] || fail "the game ended with $rc instead of 0"
  check_tables "exit"
}

case $mode in
  full) play_full ;;
  exit) play_exit ;;
  *) echo "play: unknown mode $mode" >&2; exit 1 ;;
esac
if [ "$failures" -gt 0 ]; then
  echo "play $mode: $failures failures; screenshots in $shots" >&2
  exit 1
fi
echo "play $mode: passed; screenshots in $shots"
