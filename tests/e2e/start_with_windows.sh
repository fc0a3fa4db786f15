#!/usr/bin/env bash
# "Start with Windows" on the calendar: ticking the box writes the shortcut "Orvane Notes.lnk" into
# the user's Startup folder in the Wine prefix, the next start shows the box ticked again, a start
# from another folder after the program moved points the shortcut there, and clearing the box
# removes it. With $STARTUP_SCREENSHOT set, the calendar with the ticked box is also written there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
# Today's day message counts as seen, so that it does not cover the calendar window.
sed -i "1s/^NORESUME/$(date +%d.%m.%Y)/" "$E2E_DATA/Notes.ini"

shortcut() { find "$WINEPREFIX/drive_c/users" -name 'Orvane Notes.lnk' -ipath '*startup*' 2>/dev/null | head -n 1; }
no_shortcut() { [[ -z "$(shortcut)" ]]; }
has_shortcut() { [[ -n "$(shortcut)" ]]; }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

# The box, written at 96 DPI as the calendar lays it out: 130 x 17 at (521, 519).
show_box() {
    e2e_start
    e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
    e2e_show_calendar || e2e_fail "the calendar window did not show"
    eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
    box_x=$((X + 521 + 7))
    box_y=$((Y + 519 + 8))
    sleep 1
}
# The box's square (13 x 13 from its left edge) as text, pixel by pixel, the pointer away from it
# (the square under the pointer is drawn lit).
box_pixels() {
    xdotool mousemove 5 700
    sleep 0.5
    e2e_screenshot "$E2E_WORK/$1.png"
    convert "$E2E_WORK/$1.png" -crop 13x13+$((box_x - 6))+$((box_y - 6)) -depth 8 txt:- | tail -n +2 | awk '{ print $3 }'
}
end_program() {
    wineserver -k
    e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the program did not end"
}

# ---- off at first; ticking writes the shortcut -------------------------------------------------

show_box
no_shortcut || e2e_fail "a shortcut is in the Startup folder before the box was ticked"
clear_box="$(box_pixels clear)"
data_before="$(e2e_listing "$E2E_DATA")"
xdotool mousemove "$box_x" "$box_y" click 1
e2e_wait_until 20 has_shortcut || e2e_fail "ticking the box wrote no shortcut into the Startup folder"
e2e_log "shortcut $(shortcut)"
sleep 1
ticked_box="$(box_pixels ticked)"
[[ "$ticked_box" != "$clear_box" ]] || e2e_fail "the ticked box looks like the clear one"
if [[ -n "${STARTUP_SCREENSHOT:-}" ]]; then cp "$E2E_WORK/ticked.png" "$STARTUP_SCREENSHOT"; fi
# The shell link names the program (its path is in the link's file as text).
strings -a "$(shortcut)" | grep -qi 'OrvaneNotes.exe' || strings -a -el "$(shortcut)" | grep -qi 'OrvaneNotes.exe' ||
    e2e_fail "the shortcut does not lead to OrvaneNotes.exe"
# Per computer: nothing of it goes into the data folder, which may be synced.
e2e_expect_same_listing "$data_before" "$(e2e_listing "$E2E_DATA")" "ticking the box changed the data folder"
end_program

# ---- the next start reads the shortcut -------------------------------------------------------

show_box
[[ "$(box_pixels restarted)" == "$ticked_box" ]] || e2e_fail "the box is not ticked at the next start"
end_program

# ---- the program moves: its next start points the shortcut at the new place -----------------------

moved="$WINEPREFIX/drive_c/Moved Orvane"
mv "$E2E_PROGRAM" "$moved"
E2E_PROGRAM="$moved"
e2e_start() {
    (cd "$E2E_PROGRAM" && exec wine "C:\\Moved Orvane\\OrvaneNotes.exe") >>"$E2E_WORK/wine.log" 2>&1 &
    E2E_PID=$!
}
show_box
[[ "$(box_pixels moved)" == "$ticked_box" ]] || e2e_fail "the box is not ticked after the move"
leads_to_new_place() {
    strings -a "$(shortcut)" | grep -qi 'Moved Orvane' || strings -a -el "$(shortcut)" | grep -qi 'Moved Orvane'
}
leads_to_new_place || e2e_fail "the shortcut still leads to where the program was"

# ---- clearing the box removes the shortcut ------------------------------------------------------

xdotool mousemove "$box_x" "$box_y" click 1
e2e_wait_until 20 no_shortcut || e2e_fail "clearing the box left the shortcut in the Startup folder"
sleep 1
[[ "$(box_pixels cleared)" == "$clear_box" ]] || e2e_fail "the cleared box does not look clear"
end_program
