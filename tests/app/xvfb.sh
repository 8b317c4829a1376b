# shellcheck shell=bash
# Sourced by the window tests: a private X server for this test alone.

# start_xvfb DIR: starts Xvfb on a free display, logging into DIR, and exports DISPLAY.
start_xvfb() {
  local dir=$1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
  xvfb_pid=$!
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    if [[ -s $dir/display ]]; then
      DISPLAY=":$(<"$dir/display")"
      export DISPLAY
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  return 1
}

stop_xvfb() {
  if [[ -n ${xvfb_pid:-} ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
