#!/usr/bin/env bash
# Nothing is lost for good: a note removed with its close button goes into NotesDat\Bin, and the
# restore window, opened by its button beside the Alarms button, brings it back: it opens where it
# was, with its text and colours, in a free record. With $RESTORE_SCREENSHOT set, the restore
# window's picture is written there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
# Dark blue text on pale yellow (&H80FFFF: blue 80, green and red FF), Arial 10.
stored="$(notes_header 300 200 250 160 0 0 0 10 Arial '&H904000' '&H80FFFF')Buy milk"
notes_store_record 40 "$stored"

restore_window() { xdotool search --onlyvisible --name '^Restore$' 2>/dev/null | head -n 1; }
no_restore_window() { [[ -z "$(restore_window)" ]]; }
bin_holds_one() { (($(ls "$E2E_DATA/Bin" 2>/dev/null | wc -l) == 1)); }
no_note_open() { ! notes_window_exists; }

e2e_start
e2e_wait_until 60 notes_window_exists || e2e_fail "the stored note did not open"
e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon"
sleep 1
# The close button with Shift removes without asking.
xdotool mousemove $((300 + 236 + 7)) $((200 + 8)) keydown shift click 1 keyup shift
e2e_wait_until 10 no_note_open || e2e_fail "the note was not removed"
[[ -z "$(notes_record 40)" ]] || e2e_fail "record 40 still holds '$(notes_record 40)'"
e2e_wait_until 10 bin_holds_one || e2e_fail "the bin does not hold the note: $(ls -la "$E2E_DATA" "$E2E_DATA/Bin" 2>&1)"
binned="$(ls "$E2E_DATA/Bin")"
[[ "$binned" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}-[0-9]{2}-[0-9]{2}\ 40\.txt$ ]] || e2e_fail "bin file named '$binned'"
[[ "$(cat "$E2E_DATA/Bin/$binned")" == "$stored" ]] || e2e_fail "the bin holds '$(cat "$E2E_DATA/Bin/$binned")'"

e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1
xdotool mousemove $((X + 635)) $((Y + 73)) click 1
e2e_wait_until 20 restore_window || e2e_fail "the restore button did not open the restore window"
sleep 1  # let the window settle: shown, activated, painted
eval "$(xdotool getwindowgeometry --shell "$(restore_window)")"
xdotool mousemove $((X + 72)) $((Y + 62)) click 1  # the list's first line: the binned note
sleep 1
if [[ -n "${RESTORE_SCREENSHOT:-}" ]]; then
    e2e_screenshot "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$RESTORE_SCREENSHOT"
fi
xdotool mousemove $((X + 492)) $((Y + 183)) click 1  # Restore note
e2e_wait_until 20 notes_window_exists || e2e_fail "the restored note did not open"
note="$(notes_windows | head -n 1)"
[[ "$(notes_geometry "$note")" == "300 200 250 160" ]] || e2e_fail "restored note at $(notes_geometry "$note")"
e2e_wait_until 10 notes_record_is 40 "$stored" || e2e_fail "record 40 holds '$(notes_record 40)'"
[[ -z "$(ls "$E2E_DATA/Bin")" ]] || e2e_fail "the restored note is still in the bin"
xdotool mousemove $((X + WIDTH - 18)) $((Y + 18)) click 1  # the restore window's close image
e2e_wait_until 10 no_restore_window || e2e_fail "the close image left the restore window open"
xdotool mousemove 10 700  # the pointer away from the note
sleep 1
e2e_screenshot "$E2E_WORK/restored.png"
colour="$(convert "$E2E_WORK/restored.png" -format '%[hex:p{450,320}]' info: 2>/dev/null | cut -c1-6)"
[[ "${colour^^}" == "FFFF80" ]] || e2e_fail "the restored note's background is $colour, not FFFF80"
e2e_running "$E2E_PID" || e2e_fail "the program ended"
echo "PASS: a removed note restored from the bin"
