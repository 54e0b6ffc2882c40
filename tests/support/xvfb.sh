# Sourced by the tests that run the real program on a virtual X display.
# start_xvfb FIRST: starts Xvfb on the first free display number from FIRST
# on, exports DISPLAY, sets xvfb_pid and waits until the display answers.
start_xvfb() {
  local number=$1
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  export DISPLAY=":$number"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
