#!/usr/bin/env bash
# Desktop notes from the tray: a double click on the icon opens a new note at its first-run
# place and claims record 40; typed text is saved a few seconds later; Esc exports the note to
# the desktop folder; a right press on the icon shows the main window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"
notes_real_desktop

e2e_start
e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon"
e2e_wait_until 30 test -s "$E2E_DATA/Notes" || e2e_fail "no notes database"

e2e_double_click_tray
e2e_wait_until 20 notes_window_exists || e2e_fail "no note window after a double click on the tray icon"
note="$(notes_windows | head -n 1)"
geometry="$(notes_geometry "$note")"
[[ "$geometry" == "80 80 166 127" ]] || e2e_fail "new note at $geometry, not 80 80 166 127"
[[ "$(notes_windows | wc -l)" == 1 ]] || e2e_fail "a double click opened more than one note"

expected_header='80   80   166  127  0208 MS Sans Serif  &H0            &H94C2E3       '
[[ "$(notes_record 40)" == "$expected_header" ]] || e2e_fail "record 40 is '$(notes_record 40)'"
[[ -z "$(notes_record 39)" ]] || e2e_fail "record 39 was written"

# Typing goes into the text once it has been clicked; the note saves itself about 5 s later.
xdotool mousemove $((80 + 80)) $((80 + 60)) click 1
xdotool type --delay 40 "Hello from Wine"
e2e_wait_until 15 notes_record_is 40 "${expected_header}Hello from Wine" ||
    e2e_fail "typed text not saved: '$(notes_record 40)'"

xdotool key Escape
e2e_wait_until 10 notes_exported_text_is "Hello from Wine" || e2e_fail "Esc wrote no text file on the desktop"
exported="$(ls "$NOTES_DESKTOP")"
[[ "$exported" =~ ^Note\ [0-9]{6}\ [0-9]{6}\.txt$ ]] || e2e_fail "exported file named '$exported'"
notes_window_exists || e2e_fail "Esc removed the note"

notes_main_window_visible && e2e_fail "main window visible before the right press"
e2e_tray_click 3
e2e_wait_until 10 notes_main_window_visible || e2e_fail "a right press on the tray icon did not show the main window"
e2e_screenshot "$E2E_WORK/notes_tray.png"  # kept with E2E_KEEP=1
echo "PASS: notes from the tray"
