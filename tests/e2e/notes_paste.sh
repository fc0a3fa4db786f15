#!/usr/bin/env bash
# A change made with the text box's own right-click menu presses no key, yet it is saved as a
# typed one is: after the autosave delay, and when the program ends before that delay.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
stored="$(notes_header 300 200 250 160 0 0 0 8 'MS Sans Serif' '&H0' '&H94C2E3')Paste me"
notes_store_record 12 "$stored"


e2e_start
e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon"
e2e_wait_until 60 notes_window_exists || e2e_fail "the stored note did not open"

# The text box's menu: Undo, Cut, Copy, Paste, Delete, Select All, chosen by their letters.
menu() {
    xdotool mousemove $((300 + 120)) $((200 + 22)) click 3
    sleep 0.7
    xdotool key "$1"
    sleep 0.5
}
caret_at_end() {
    xdotool mousemove $((300 + 200)) $((200 + 22)) click 1
    sleep 0.3
}

sleep 1  # let the note settle
caret_at_end
menu a  # Select All
menu c  # Copy
caret_at_end
menu p  # Paste
sleep 2
notes_record_is 12 "$stored" || e2e_fail "the paste was saved before the autosave delay: '$(notes_record 12)'"
e2e_wait_until 15 notes_record_is 12 "${stored}Paste me" ||
    e2e_fail "the paste was not saved after the autosave delay: '$(notes_record 12)'"

# A second paste, and the program ends at once (Shift on the calendar's hide image).
caret_at_end
menu p
e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window settle
xdotool mousemove $((X + 740)) $((Y + 18)) keydown shift click 1 keyup shift
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "Shift on the hide image did not end the program"
notes_record_is 12 "${stored}Paste mePaste me" || e2e_fail "after the end the note's record is '$(notes_record 12)'"
echo "PASS: paste from the text box's menu"
