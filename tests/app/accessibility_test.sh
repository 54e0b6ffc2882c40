#!/usr/bin/env bash
# Starts the real program on a virtual X display with its accessibility
# bridge on, inside a private D-Bus session (which starts the accessibility
# bus on demand), and drives it through that bus alone: accessibility_walk.py
# checks what the screens' buttons and labels tell and presses buttons by
# their accessible action. Usage: accessibility_test.sh PROGRAM_FOLDER
set -u
program_dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

. "$here/../support/xvfb.sh"
start_xvfb 91
trap stop_xvfb EXIT
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SDL_AUDIODRIVER=dummy
# Debian's interpreter: it has the accessibility bindings (python3-gi).
dbus-run-session -- /usr/bin/python3 "$here/accessibility_walk.py" "$program_dir/tingdu"
