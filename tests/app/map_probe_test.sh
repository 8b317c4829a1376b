#!/usr/bin/env bash
# The window probe on a private X server: what it prints for a mapped window, its time-out,
# programs that end or cannot start, and windows of other processes.
#
#   map_probe_test.sh MAP_PROBE PARVELL
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/xvfb.sh"

map_probe=$1 parvell=$2
work=$(mktemp -d)
failures=0
started=()

cleanup() {
  if ((${#started[@]} > 0)); then
    kill "${started[@]}" 2>/dev/null || true
  fi
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAIL: $what" >&2
    failures=$((failures + 1))
  fi
}

# probe ARGS...: runs the probe; its output in $output, its exit status in $status.
probe() {
  status=0
  output=$("$map_probe" "$@" 2>"$work/stderr") || status=$?
}

reports_a_mapped_window() {
  probe --viewable --timeout-ms 10000 -- xev -geometry 200x100
  [[ $status == 0 ]] || return 1
  [[ $output =~ ^mapped_ms=[0-9]+\.[0-9]{2}\ window=(0x[0-9a-f]+)\ width=200\ height=100\ pid=([0-9]+)$ ]] ||
    return 1
  local window=${BASH_REMATCH[1]} pid=${BASH_REMATCH[2]}
  started+=("$pid")
  # The program is left running, and the window is really its and on screen.
  kill -0 "$pid" && xwininfo -id "$window" | grep -q 'Map State: IsViewable'
}

times_out_and_stops_the_program() {
  local started_at=$SECONDS
  probe --timeout-ms 300 -- sh -c "echo \$\$ >'$work/pid'; exec sleep 30"
  [[ $status == 1 ]] && ((SECONDS - started_at < 5)) && ! kill -0 "$(<"$work/pid")" 2>/dev/null
}

fails_when_the_program_ends_first() {
  probe --timeout-ms 10000 -- true
  [[ $status == 2 && -z $output ]]
}

fails_when_the_program_cannot_start() {
  probe -- "$work/no-such-program"
  [[ $status == 2 ]] && grep -q 'cannot run' "$work/stderr"
}

# The shell maps nothing itself; parvell, its child, maps a window that names parvell's pid, so
# the probe must not take it, and the shell ends once that window is on screen.
ignores_windows_of_other_processes() {
  probe --timeout-ms 60000 -- sh -c \
    "'$parvell' & echo \$! >'$work/pid'; xdotool search --sync --onlyvisible --pid \$! >/dev/null"
  started+=("$(<"$work/pid")")
  [[ $status == 2 && -z $output ]]
}

main() {
  start_xvfb "$work"
  export QT_QPA_PLATFORM=xcb
  check "reports a mapped window" reports_a_mapped_window
  check "times out and stops the program" times_out_and_stops_the_program
  check "fails when the program ends first" fails_when_the_program_ends_first
  check "fails when the program cannot start" fails_when_the_program_cannot_start
  check "ignores windows of other processes" ignores_windows_of_other_processes
  ((failures == 0))
}

main
