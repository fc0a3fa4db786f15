#!/usr/bin/env bash
# A click on a note's resize grip leaves the keyboard focus on the grip, so that its keys work
# (F1 writes the help into the note); Tab moves between the text and the grip and types nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
stored="$(notes_header 300 200 250 160 0 0 0 8 'MS Sans Serif' '&H0' '&H94C2E3')Grip"
notes_store_record 12 "$stored"
record_has() { [[ "$(notes_record 12)" == *"$1" ]]; }

e2e_start
e2e_wait_until 60 notes_window_exists || e2e_fail "the stored note did not open"
sleep 1  # let the note settle

xdotool mousemove $((300 + 200)) $((200 + 22)) click 1  # into the text first
sleep 0.3
xdotool mousemove $((300 + 245)) $((200 + 155)) click 1  # the grip, in the bottom-right corner
sleep 0.5
xdotool key F1
e2e_wait_until 15 record_has "& Exit" || e2e_fail "F1 after a click on the grip wrote no help: '$(notes_record 12)'"

# Tab from the grip to the text (whose caret stands after the help), and back.
xdotool key Tab
sleep 0.3
xdotool type --delay 40 "x"
xdotool key Tab
sleep 0.3
xdotool key F1  # the grip again: the help is appended a second time
help_twice() { [[ "$(notes_record 12)" == *"& Exitx"$'\r\n'"HELP:"*"& Exit" ]]; }
e2e_wait_until 15 help_twice ||
    e2e_fail "Tab did not move between the text and the grip: '$(notes_record 12)'"
[[ "$(notes_record 12)" != *$'\t'* ]] || e2e_fail "Tab typed a tab character into the note"
echo "PASS: the note's grip keeps the focus"
