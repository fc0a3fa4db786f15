#!/usr/bin/env bash
# The data folder kept the same on two computers by a sync client, played here by the script: it
# writes the other computer's copy of a file beside it and renames it over the old one while the
# program runs. A day line that arrived survives the next hide and shows when the calendar is
# shown again; a line changed on both computers keeps both texts; a note that arrived opens.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
year_file="$E2E_DATA/Diary/2026"
for ((i = 1; i <= 372; i++)); do printf '#####\r\n'; done >"$year_file"

# Line number (from 1) of a December day in the year file.
december_line() { echo $((11 * 31 + $1)); }
line_of() { sed -n "$(december_line "$1")p" "$year_file" | tr -d '\r'; }
line_is() { [[ "$(line_of "$1")" == "$2" ]]; }

# The sync client: the other computer's copy of the year file, with December day $1 set to $2.
arrive_line() {
    local line
    line="$(december_line "$1")"
    awk -v n="$line" -v text="$2" 'BEGIN { ORS = "" } NR == n { print text "\r\n"; next } { print $0 "\n" }' \
        "$year_file" >"$year_file.sync-tmp"
    mv -f "$year_file.sync-tmp" "$year_file"
}

row_top() { echo $((52 + 15 * ($1 - 1))); }

# True when December day $1's line box of the shown calendar holds dark (text) pixels.
row_has_text() {
    local X Y WIDTH HEIGHT WINDOW SCREEN darkest
    eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
    e2e_screenshot "$E2E_WORK/screen.png"
    darkest="$(convert "$E2E_WORK/screen.png" -crop "400x11+$((X + 78))+$((Y + $(row_top "$1") + 2))" \
        -colorspace Gray -format '%[fx:int(100*minima)]' info:)"
    ((darkest < 40))
}
calendar_hidden() { [[ -z "$(e2e_main_window)" ]]; }

# Types $2 into December day $1's line of the shown calendar.
type_line() {
    eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
    xdotool mousemove $((X + 300)) $((Y + $(row_top "$1") + 7)) click 1
    sleep 0.3
    xdotool key End
    xdotool type --delay 30 "$2"
    sleep 0.3
}
hide_calendar() {
    eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
    xdotool mousemove $((X + 740)) $((Y + 18)) click 1
    e2e_wait_until 10 calendar_hidden || e2e_fail "the calendar did not hide"
}
# The message the program shows after a save that kept both texts of a day.
dismiss_message() {
    local box
    e2e_wait_until 10 xdotool search --onlyvisible --name '^Orvane Notes$' || e2e_fail "no message about the clash"
    box="$(xdotool search --onlyvisible --name '^Orvane Notes$' | head -n 1)"
    xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
    sleep 0.5
}

e2e_start_at "2026-12-07 10:00:00"
e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon"
e2e_show_calendar || e2e_fail "the calendar did not show"
sleep 1

# ---- a line arrives while the calendar is shown, and one is typed here -------------------------
arrive_line 9 "#####arrived from the laptop"
type_line 10 "typed here"
hide_calendar
e2e_wait_until 10 line_is 10 "#####typed here" || e2e_fail "the typed line was not saved: $(line_of 10)"
line_is 9 "#####arrived from the laptop" || e2e_fail "the hide wrote over the line that arrived: $(line_of 9)"

# ---- shown again, the calendar shows what arrived ---------------------------------------------
arrive_line 12 "#####Dentist at noon"
e2e_show_calendar || e2e_fail "the calendar did not show again"
sleep 1
row_has_text 11 && e2e_fail "an empty day shows text"
row_has_text 12 || e2e_fail "the line that arrived is not shown"

# ---- a line changed on both computers keeps both ------------------------------------------------
type_line 14 "mine"
arrive_line 14 "#####theirs"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
xdotool mousemove $((X + 740)) $((Y + 18)) click 1
dismiss_message
e2e_wait_until 10 calendar_hidden || e2e_fail "the calendar did not hide after the message"
e2e_wait_until 10 line_is 14 "#####mine <> theirs" || e2e_fail "the clash did not keep both texts: $(line_of 14)"

# ---- a note arrives and opens --------------------------------------------------------------------
notes_window_exists && e2e_fail "a note is open before one arrived"
record="$(notes_header 300 200 200 120 0 2 0 10 Arial '&H00000000' '&H0080FFFF')From the laptop"
cp "$E2E_DATA/Notes" "$E2E_DATA/Notes.sync-tmp"
length=${#record}
printf "$(printf '\\%03o\\%03o' $((length % 256)) $((length / 256)))%s" "$record" |
    dd of="$E2E_DATA/Notes.sync-tmp" bs=1 seek=$((39 * 4002)) conv=notrunc status=none
mv -f "$E2E_DATA/Notes.sync-tmp" "$E2E_DATA/Notes"
e2e_tray_click 3
e2e_wait_until 20 notes_window_exists || e2e_fail "the note that arrived did not open"
notes_record_is 40 "$record" || e2e_fail "the note that arrived was changed"
e2e_running "$E2E_PID" || e2e_fail "the program ended"
echo "PASS: a synced data folder"
