#!/usr/bin/env bash
# Installs the Debian package on a clean Debian 12 (a minimal debootstrap
# system in a folder, fetched from the Debian archive) with apt, which
# brings in exactly the package's dependencies, and starts tingdu there from
# its menu entry's Exec line, on a virtual display of this machine: the main
# menu must show, and the exit button must end the program cleanly.
# Needs root and the Debian archive; not part of CTest. The minimal system is
# kept in build/clean-debian/ between runs (delete it to start afresh).
# Usage: tests/package/clean_install_test.sh BUILD_FOLDER
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$build/clean-debian
mirror=${TINGDU_DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "clean_install_test: needs root (debootstrap and chroot)"; exit 2; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null

mounted=()
cleanup() {
  [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null; done
}
trap cleanup EXIT
bind() { mkdir -p "$root$1"; mount --bind "$1" "$root$1" && mounted+=("$root$1"); }

(cd "$build" && cpack -G DEB >/dev/null) || { echo "FAIL: cpack did not make the package"; exit 1; }
deb=$(ls -t "$build"/tingdu_*_amd64.deb | head -n 1)

if [ ! -x "$root/usr/bin/apt-get" ]; then
  rm -rf "$root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$build/clean-debian.log" 2>&1 ||
    { tail -20 "$build/clean-debian.log"; echo "FAIL: debootstrap"; exit 1; }
fi
# What the package did not bring, from an earlier run, goes again.
chroot "$root" dpkg --purge tingdu >/dev/null 2>&1
chroot "$root" apt-get autoremove --purge -y -qq >/dev/null 2>&1
before=$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)

mount -t proc proc "$root/proc" && mounted+=("$root/proc")
bind /dev
cp "$deb" "$root/tmp/tingdu.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
if ! chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/tingdu.deb \
  >"$build/clean-install.log" 2>&1; then
  tail -30 "$build/clean-install.log"; echo "FAIL: apt could not install the package"; exit 1
fi
after=$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)
echo "clean_install: apt installed tingdu and $((after - before - 1)) packages it depends on"

chroot "$root" tingdu --version || { echo "FAIL: tingdu --version"; exit 1; }

# The menu entry, as a desktop starts it.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/tingdu.desktop" | head -n 1)
[ -n "$exec_line" ] || { echo "FAIL: the menu entry has no Exec line"; exit 1; }
. "$here/../support/xvfb.sh"
. "$here/../support/xdo.sh"
start_xvfb 120
bind /tmp/.X11-unix
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy $exec_line \
  >"$build/clean-run.log" 2>&1 &
pid=$!
expect bjzMainForm
import -window root "$build/clean-install-menu.png" 2>/dev/null
# Both courses open on the installed books.
at 150 147; expect ChoiceClassForm
import -window root "$build/clean-install-sentences.png" 2>/dev/null
at 729 31; expect bjzMainForm ChoiceClassForm
at 158 203; expect bdcChoiceForm
at 716 31; expect bjzMainForm bdcChoiceForm
at 158 436
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || { cat "$build/clean-run.log"; echo "FAIL: tingdu did not end cleanly"; exit 1; }
pid=""
echo "clean_install: started from its menu entry ($exec_line), showed the main menu, opened both courses and ended cleanly"
