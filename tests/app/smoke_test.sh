#!/usr/bin/env bash
# Starts the real program from its program folder on a virtual X display,
# waits for the main menu, presses exit and expects a clean exit; then checks
# that SIGTERM ends it the orderly way and that without a display it says so.
# Usage: smoke_test.sh PROGRAM_FOLDER
set -u
program_dir=$(cd "$1" && pwd)
program="$program_dir/tingdu"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb 90
trap stop_xvfb EXIT
unset QT_QPA_PLATFORM

start_program() {
  (cd / && exec "$program") >"$log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^bjzMainForm$' | head -n 1)
}

wait_for_exit() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; fi
  wait "$pid"
}

log=$(mktemp)

# 1. The exit button.
start_program
if [ -z "$window" ]; then
  fail "the main menu did not appear"; cat "$log"; kill -9 "$pid"
else
  # Let the window settle, then click the middle of the exit button.
  sleep 0.5
  xdotool mousemove --window "$window" 158 436 click 1
  wait_for_exit
  code=$?
  [ "$code" -eq 0 ] || { fail "exit button gave exit code $code"; cat "$log"; }
fi

# 2. SIGTERM goes through the same orderly shut-down.
start_program
if [ -z "$window" ]; then
  fail "the main menu did not appear the second time"; kill -9 "$pid"
else
  kill -TERM "$pid"
  wait_for_exit
  code=$?
  [ "$code" -eq 0 ] || { fail "SIGTERM gave exit code $code"; cat "$log"; }
fi

# 3. No display: a clear message and a non-zero exit code.
env -u DISPLAY "$program" >"$log" 2>&1
code=$?
[ "$code" -ne 0 ] || fail "without a display the program exited 0"
grep -q "cannot open a display" "$log" || { fail "no clear message without a display"; cat "$log"; }
[ "$code" -lt 128 ] || fail "without a display the program died by a signal ($code)"

# 4. --version and --help print and end, with or without a display.
version=$(env -u DISPLAY "$program" --version 2>&1)
code=$?
[ "$code" -eq 0 ] || fail "--version gave exit code $code"
[[ "$version" =~ ^tingdu\ [0-9]+\.[0-9]+ ]] || fail "--version printed: $version"
help=$(env -u DISPLAY "$program" --help 2>&1)
code=$?
[ "$code" -eq 0 ] || fail "--help gave exit code $code"
grep -q -- "--version" <<<"$help" && grep -q "Usage: tingdu" <<<"$help" || fail "--help printed: $help"

rm -f "$log"
if [ "$failures" -eq 0 ]; then echo "smoke: 4 passed, 0 failed"; else echo "smoke: $((4 - failures)) passed, $failures failed"; fi
[ "$failures" -eq 0 ]
