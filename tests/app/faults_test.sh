#!/usr/bin/env bash
# The real program on a virtual display under the faults a learner's machine
# can have; each must end in a clear message or a silent skip, never a crash
# or a hang:
#  1. no Chinese font installed and no speech data: the learner is told
#     which font to install, and the whole visit of both courses still gets
#     through;
#  2. files changed under the running program: a lesson's recording cut
#     short while it is open (its clips and a read-along go on), a sentence
#     book and a word book replaced by damaged ones while loaded (each is
#     told in a message and the book shown before stays).
# Usage: faults_test.sh PROGRAM_FOLDER
set -u
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
  [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

. "$here/../support/xvfb.sh"
. "$here/../support/xdo.sh"
start_xvfb 110

# start_program NAME [VAR=VALUE ...]: the program from a copy of its folder of
# its own, so that the test may change the copy's files.
start_program() {
  local name=$1; shift
  rm -rf "$work/program"; cp -r "$program" "$work/program"
  log=$work/$name.log
  (cd / && env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$@" "$work/program/tingdu") >"$log" 2>&1 &
  pid=$!
}
# end_program NAME: the main menu's exit; the program must end by itself,
# cleanly and with no error report.
end_program() {
  expect bjzMainForm
  at 158 436
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if ! wait "$pid"; then cat "$log"; echo "FAIL ($1): the trainer did not end cleanly"; exit 1; fi
  pid=""
  if grep -qE 'ERROR: |runtime error|an exception escaped' "$log"; then cat "$log"; echo "FAIL ($1): an error report"; exit 1; fi
}
# Every message box shown is answered with its default button, Return; a
# change may be told in more than one (the lesson's recording, cut short,
# is refused when the chooser opens it again).
answer_messages() {
  step="Return to the messages"
  for _ in $(seq 5); do
    local box
    box=$(shown 听读)
    [ -n "$box" ] || return 0
    xdotool windowfocus --sync "$box" key Return
    sleep 0.5
  done
}
program=$(cd "$1" && pwd)

# 1. Only the DejaVu fonts, and a speech data folder that is empty.
mkdir -p "$work/fontcache" "$work/nospeech"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$work/fontcache</cachedir>
</fontconfig>
CONF
start_program bare FONTCONFIG_FILE="$work/fonts.conf" ESPEAK_DATA_PATH="$work/nospeech"
expect 听读                                     # "No font for Chinese is installed ..."
answer_messages
if ! "$here/visit_both_courses.sh"; then cat "$log"; echo "FAIL (bare): the visit did not get through"; exit 1; fi
end_program bare

# 2. Files changed under the running program.
start_program changed
expect bjzMainForm
at 150 147; expect ChoiceClassForm             # the first book, lesson 1, its recording open
recording=$work/program/Sound/starter/lesson01.wav
truncate -s $(( $(stat -c %s "$recording") / 4 )) "$recording"
for y in 270 246 126; do at 400 $y; sleep 1.5; done   # sentences 7, 6 and 1
at 320 548; expect bjzReadForm                 # a read-along over the cut
at 100 530; sleep 6
key Escape; expect ChoiceClassForm bjzReadForm

head -c 5000 /dev/urandom >"$work/program/EnglishBook/1 入门英语.jz"
at 729 31; expect bjzMainForm ChoiceClassForm
at 150 147; expect 听读                         # "the book file is damaged ..."
answer_messages; expect ChoiceClassForm 听读
at 729 31; expect bjzMainForm ChoiceClassForm

at 158 203; expect bdcChoiceForm
head -c 100 /dev/zero >"$work/program/bdcBook/1 入门词汇.wd"
at 716 31; expect bjzMainForm bdcChoiceForm
at 158 203; expect 听读                         # "the book has no words ..."
answer_messages; expect bdcChoiceForm 听读
at 120 30; sleep 1                             # a word of the book shown before still plays
at 716 31; expect bjzMainForm bdcChoiceForm
end_program changed
echo "faults: every fault ended in a message or a skip"
