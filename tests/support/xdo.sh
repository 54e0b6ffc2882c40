# Sourced by the tests that drive the real program on $DISPLAY with xdotool.
# Screens are top-level windows named after their form; a message box is
# named after the program, 听读. `step` names the last thing sent.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# expect SCREEN [LEFT]: waits until SCREEN is shown (and LEFT no longer is);
# fails the script when it does not come.
expect() {
  for _ in $(seq 100); do
    if [ -n "$(shown "$1")" ] && { [ -z "${2:-}" ] || [ -z "$(shown "$2")" ]; }; then sleep 0.4; return 0; fi
    sleep 0.1
  done
  echo "$(basename "$0"): $1 did not come${2:+ in place of $2} after: $step"; exit 1
}
at() { step="click $1,$2"; xdotool mousemove "$1" "$2" click 1; }
key() { step="key $*"; xdotool key --delay 60 "$@"; }
type_text() { step="type $1"; xdotool type --delay 60 "$1"; }
step="start"
