# Sourced by the tests that run the real program on a virtual X display.
# start_xvfb FIRST: starts Xvfb on the first free display number from FIRST
# on, exports DISPLAY, sets xvfb_pid and waits until the display answers.
# Tests running side by side may pick the same number at the same moment:
# the server that loses ends at once (the other holds the lock), and the
# next number is tried. stop_xvfb ends the server and waits until it is gone,
# so a test started right after finds its number free. The server does not
# reset when its last client leaves: a program connecting just then (after
# the accessibility bus has set its property and gone) would be refused.
start_xvfb() {
  local number=$1
  while :; do
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
      number=$((number + 1))
    done
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      # The display answering is ours only while our server still runs.
      if xdpyinfo >/dev/null 2>&1 && sleep 0.1 && kill -0 "$xvfb_pid" 2>/dev/null; then return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$xvfb_pid" 2>/dev/null && return 0
    number=$((number + 1))
  done
}

stop_xvfb() {
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
}
