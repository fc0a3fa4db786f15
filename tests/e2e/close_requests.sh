#!/usr/bin/env bash
# Alt+F4 is a close request that each window answers itself, never a destruction behind the
# program's back. On the calendar window it is the hide image: the line typed just before is
# saved, the window hides, and a right press on the tray icon shows it again. On a note it saves
# the note at once and leaves it open: what was typed just before is in the record, also after
# the program has ended.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

year=$(date +%Y)
month=$((10#$(date +%m)))
e2e_first_run_tree "$E2E_DATA"
stored="$(notes_header 300 200 250 160 0 0 0 8 'MS Sans Serif' '&H0' '&H94C2E3')Stored note"
notes_store_record 12 "$stored"

hidden() { [[ -z "$(e2e_main_window)" ]]; }
diary_line() { sed -n "$(((month - 1) * 31 + $1))p" "$E2E_DATA/Diary/$year" 2>/dev/null | tr -d '\r'; }
diary_line_is() { [[ "$(diary_line "$1")" == "$2" ]]; }

e2e_start
e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon"
e2e_wait_until 60 notes_window_exists || e2e_fail "the stored note did not open"

# ---- the calendar window ------------------------------------------------------------------------

e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window settle: shown, activated, painted
xdotool mousemove $((X + 200)) $((Y + 74)) click 1  # the line of the 2nd
sleep 0.5
xdotool type --delay 40 "Typed before Alt+F4"
xdotool key alt+F4
e2e_wait_until 10 hidden || e2e_fail "Alt+F4 did not hide the calendar window"
e2e_running "$E2E_PID" || e2e_fail "Alt+F4 on the calendar window ended the program"
e2e_wait_until 10 diary_line_is 2 "#####Typed before Alt+F4" ||
    e2e_fail "the line typed before Alt+F4 was not saved: '$(diary_line 2)'"
e2e_tray_click 3
e2e_wait_until 20 e2e_main_window || e2e_fail "the calendar window did not come back after Alt+F4"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window settle
xdotool mousemove $((X + 740)) $((Y + 18)) click 1  # hide it again, with its hide image
e2e_wait_until 10 hidden || e2e_fail "the hide image did not hide the calendar window after Alt+F4"

# ---- a note -------------------------------------------------------------------------------------

note="$(notes_windows | head -n 1)"
xdotool mousemove $((300 + 200)) $((200 + 22)) click 1  # right of the text's only line: its end
sleep 0.5
xdotool type --delay 40 "!"
xdotool key alt+F4
# At once, not after the autosave delay of about 5 s.
e2e_wait_until 3 notes_record_is 12 "${stored}!" || e2e_fail "Alt+F4 did not save the note: '$(notes_record 12)'"
sleep 1
notes_window_exists || e2e_fail "Alt+F4 closed the note"
[[ "$(notes_windows | head -n 1)" == "$note" ]] || e2e_fail "the note's window was made anew"

# Ending the program now (Shift on the hide image) keeps the note's text.
e2e_show_calendar || e2e_fail "the calendar window did not come back"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window settle
xdotool mousemove $((X + 740)) $((Y + 18)) keydown shift click 1 keyup shift
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "Shift on the hide image did not end the program"
notes_record_is 12 "${stored}!" || e2e_fail "after the end the note's record is '$(notes_record 12)'"
diary_line_is 2 "#####Typed before Alt+F4" || e2e_fail "after the end the diary line is '$(diary_line 2)'"
echo "PASS: close requests"
