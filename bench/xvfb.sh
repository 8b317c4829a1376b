# shellcheck shell=bash
# Sourced by the start-up benchmarks: one private X server for the programs they start.

# start_xvfb DIR: starts Xvfb on a free display, logging into DIR, and exports DISPLAY and the
# toolkit's X11 platform. Sets xvfb_pid.
start_xvfb() {
  local dir=$1
  # Xvfb writes its display number once it accepts connections.
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [[ -s $dir/display ]]; then
      export DISPLAY=:$(<"$dir/display") QT_QPA_PLATFORM=xcb
      return 0
    fi
    sleep 0.05
  done
  echo "Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  return 1
}
