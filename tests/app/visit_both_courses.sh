#!/usr/bin/env bash
# A learner's visit of both courses, sent with xdotool to a trainer already
# running on $DISPLAY: every screen of the sentence course and of the word
# course is entered, used a little (a clip, a typed letter, a drill step) and
# left. Each step waits for the screen it leads to; the script fails at the
# first screen that does not come. Usage: visit_both_courses.sh
set -u

. "$(dirname "$0")/../support/xdo.sh"
expect bjzMainForm

# The sentence course.
at 150 147; expect ChoiceClassForm
at 400 150; sleep 1.5                            # a sentence's clip
at 320 548; expect bjzReadForm                   # read-along
at 100 530; sleep 2.5                            # start: a sentence is read
key Escape; expect ChoiceClassForm bjzReadForm
at 460 548; expect bjzTypeSenForm                # dictation
type_text "Hel"; sleep 0.5
key Escape; expect ChoiceClassForm bjzTypeSenForm
at 585 548; expect LinkWordForm                  # word linking
at 716 31; expect ChoiceClassForm LinkWordForm
at 715 548; expect TotalForm                     # the whole-lesson player
sleep 2
key Escape; expect ChoiceClassForm TotalForm
at 729 31; expect bjzMainForm ChoiceClassForm

# The word course.
at 158 203; expect bdcChoiceForm
at 120 30; sleep 1.5                             # a word's clip
at 108 548; expect bdcBookForm                   # the book picker
at 568 376; expect bdcChoiceForm bdcBookForm       # its close button
at 254 548; expect bdcReadForm                   # read-along
sleep 2
key Escape; expect bdcChoiceForm bdcReadForm
at 400 548; expect bdcTypeForm                   # typing drill
type_text "a"; sleep 0.5
key Escape; expect bdcChoiceForm bdcTypeForm
at 546 548; expect bdcTestForm                   # spelling test
type_text "word"; key Return; sleep 1
key Escape; expect bdcChoiceForm bdcTestForm
at 692 548; expect bdcEngToChiForm               # flash cards
sleep 2
at 700 530; expect bdcChoiceForm bdcEngToChiForm  # back to the word list
at 716 31; expect bjzMainForm bdcChoiceForm
echo "visit: both courses visited"
