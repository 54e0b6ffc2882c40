#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as a
# machine that installs it would see it: its dependencies are runtime
# packages only, its menu entry and AppStream metainfo validate, and the
# program unpacked from it prints its version and, started the way the menu
# entry starts it, shows the main menu.
# Usage: package_test.sh BUILD_FOLDER
set -u
build=$(cd "$1" && pwd)
work=$(mktemp -d)
failures=0
checks=0
check() { checks=$((checks + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() { [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; [ -n "${xvfb_pid:-}" ] && stop_xvfb; rm -rf "$work"; }
trap cleanup EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1
fi
deb=$(ls "$work"/out/tingdu_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package written"; exit 1; }

# 1. Runtime dependencies only, including what the program loads when first needed.
check
depends=$(dpkg-deb -f "$deb" Depends)
if grep -Eq -- '-dev\b|-dev,|build-essential|cmake|gtest|xvfb' <<<"$depends"; then
  fail "a build or test package among the dependencies: $depends"
fi
for needed in libqt6widgets6 libsdl2-2.0-0 libespeak-ng1 espeak-ng-data fonts-arphic-gkai00mp libmpg123-0 libsndfile1; do
  grep -q "$needed" <<<"$depends" || fail "the dependencies lack $needed: $depends"
done

# 2. The menu entry and the metainfo validate.
dpkg-deb -x "$deb" "$work/root"
check
desktop-file-validate "$work/root/usr/share/applications/tingdu.desktop" || fail "the menu entry does not validate"
check
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "the metainfo does not validate"; }

# 3. The unpacked launcher runs the unpacked program.
check
version=$(env -u DISPLAY "$work/root/usr/bin/tingdu" --version 2>&1)
[[ "$version" == "tingdu "* ]] || fail "the packaged launcher printed: $version"
check
[ -x "$work/root/usr/lib/tingdu/tingdu" ] && ! file "$work/root/usr/lib/tingdu/tingdu" | grep -q "not stripped" ||
  fail "the packaged program is missing or not stripped"
ls "$work"/root/usr/lib/tingdu/EnglishBook/*.jz >/dev/null 2>&1 || fail "the packaged program folder has no books"

# 4. Started as the menu entry starts it, the main menu shows.
check
command=$(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/tingdu.desktop")
. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb 95
unset QT_QPA_PLATFORM
(cd / && PATH="$work/root/usr/bin:$PATH" HOME="$work/home" SDL_AUDIODRIVER=dummy exec $command) >"$work/run.log" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^bjzMainForm$' | head -n 1)
if [ -z "$window" ]; then
  cat "$work/run.log"; fail "the packaged program showed no main menu"
else
  kill -TERM "$pid"
  wait "$pid" || fail "the packaged program did not end cleanly"
fi
pid=""

echo "package: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
