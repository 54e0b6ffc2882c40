#!/usr/bin/env bash
# The trainer writes nothing of its own. A whole visit of both courses runs
# under strace from a read-only copy of the program folder, with HOME an
# empty folder and the sound output on SDL's own choice of driver; the test
# fails on any file or folder the program creates, changes or removes (or
# tries to). XDG_RUNTIME_DIR is set, as every desktop session sets it:
# without it Qt makes a /tmp/runtime-$USER folder of its own. (In a
# sanitizer build the leak check is left out here: it cannot run under strace.)
# Usage: no_writes_test.sh PROGRAM_FOLDER
set -u
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
  [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && stop_xvfb
  chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT

cp -r "$1" "$work/program"
chmod -R a-w "$work/program"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb 100

calls=open,openat,creat,mkdir,mkdirat,unlink,unlinkat,rename,renameat,renameat2,rmdir,symlink,symlinkat,link,linkat,truncate,chmod,fchmodat,utimensat
(cd / && env -u QT_QPA_PLATFORM -u SDL_AUDIODRIVER -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
   HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
   strace -f -qq -e trace=$calls -e signal=none -o "$work/trace.log" "$work/program/tingdu") >"$work/run.log" 2>&1 &
pid=$!

if ! "$here/visit_both_courses.sh"; then
  cat "$work/run.log"; echo "FAIL: the visit did not get through"; exit 1
fi
xdotool mousemove 158 436 click 1   # the main menu's exit
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || { cat "$work/run.log"; echo "FAIL: the trainer did not end cleanly"; exit 1; }
pid=""

python3 - "$work/trace.log" <<'PY' || exit 1
import re, sys
reading = re.compile(r'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC')
writes = set()
for line in open(sys.argv[1], errors='replace'):
    m = re.match(r'\s*\d+\s+(?:<\.\.\. )?(\w+)\((.*)', line)
    if not m:
        continue
    call, args = m.groups()
    if call in ('open', 'openat') and not reading.search(args):
        continue
    path = re.search(r'"([^"]*)"', args)
    path = path.group(1) if path else '(a descriptor)'
    if path.startswith(('/dev/', '/proc/', '/sys/')):
        continue
    result = re.search(r'= (-1 \w+|\d+)', line)
    if call in ('mkdir', 'mkdirat') and result and result.group(1) == '-1 EEXIST':
        continue  # asking for a folder that is there changes nothing
    writes.add(f'{call} {path} -> {result.group(1) if result else "?"}')
if writes:
    print('FAIL: the trainer wrote, or tried to write:')
    for write in sorted(writes):
        print('  ' + write)
    sys.exit(1)
PY
left=$(find "$work/home" "$work/runtime" -mindepth 1 | head)
[ -z "$left" ] || { echo "FAIL: left behind: $left"; exit 1; }
echo "no writes: a visit of both courses wrote nothing"
