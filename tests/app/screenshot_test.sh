#!/usr/bin/env bash
# Starts the real parvell on a private X server, waits for its window to be mapped, works a
# limit price and a profit and loss sum through it like a user, saves a screenshot and closes
# the window with Esc.
#
#   screenshot_test.sh PARVELL MAP_PROBE WINDOW_SHOT CHECK_SCREENSHOT OUTPUT_PNG
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/xvfb.sh"

parvell=$1 map_probe=$2 window_shot=$3 check_screenshot=$4 output=$5
readonly window_width=453 window_height=535

work=$(mktemp -d)
app_pid=
window=

cleanup() {
  if [[ -n $app_pid ]]; then
    kill "$app_pid" 2>/dev/null || true
  fi
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- parvell's output:" >&2
  cat "$work/parvell.log" >&2 || true
  exit 1
}

# A process that is gone, or a zombie nobody has reaped yet, is not running.
app_running() {
  [[ -r /proc/$app_pid/stat ]] && [[ $(cut -d' ' -f3 "/proc/$app_pid/stat") != Z ]]
}

start_app() {
  local line
  line=$(QT_QPA_PLATFORM=xcb "$map_probe" --viewable --timeout-ms 30000 -- "$parvell" \
    2>"$work/parvell.log") || fail "no window of parvell was mapped"
  echo "$line"
  window=$(sed -n 's/.* window=\(0x[0-9a-f]*\).*/\1/p' <<<"$line")
  app_pid=$(sed -n 's/.* pid=\([0-9]*\).*/\1/p' <<<"$line")
  [[ -n $window && -n $app_pid ]] || fail "cannot read the probe's output: $line"
}

# click X Y: a left click at window coordinates X, Y.
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}

# click_and_type X Y TEXT: clicks into the edit box at X, Y and types TEXT.
click_and_type() {
  click "$1" "$2"
  xdotool type --delay 20 "$3"
}

drive_app() {
  # Limit price: price 10, the count box already holds 1, calculate.
  click_and_type 60 96 10
  click 364 94
  # Profit and loss: quantity 1000, cost 10, target 8, calculate.
  click_and_type 60 216 1000
  click_and_type 149 216 10
  click_and_type 241 216 8
  click 364 273
  # Let the window repaint before it is photographed.
  sleep 1
}

# Closing runs the window's destructors, where sanitizers still find faults.
close_app() {
  xdotool key Escape
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    app_running || return 0
    sleep 0.1
  done
  fail "parvell did not close on Esc"
}

check_log_clean() {
  if grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/parvell.log" >/dev/null; then
    fail "a sanitizer reported an error"
  fi
}

main() {
  start_xvfb "$work"
  start_app
  drive_app
  app_running || fail "parvell ended while it was being used"
  "$window_shot" "$window" "$output" || fail "could not take the screenshot"
  "$check_screenshot" "$output" "$window_width" "$window_height" || fail "bad screenshot"
  close_app
  check_log_clean
  echo "screenshot: $output"
}

main
