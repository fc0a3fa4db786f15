#!/usr/bin/env bash
# Editing in the calendar window: the Format menu over a day's number makes a line bold and red
# and colours a line while it is being typed, and a click on a day's marker opens the
# recurring-note editor; hiding the window writes the lines and the note to their files.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

year=$(date +%Y)
month=$((10#$(date +%m)))

e2e_first_run_tree "$E2E_DATA"
# Day 5 of this month has a plain line to format.
for ((i = 1; i <= 372; i++)); do
    if ((i == (month - 1) * 31 + 5)); then printf '#####Buy milk\r\n'; else printf '#####\r\n'; fi
done >"$E2E_DATA/Diary/$year"

# Line number (from 1) of a date in the 366-line files.
recurring_line() {
    local first=(0 1 32 61 92 122 153 183 214 245 275 306 336)
    echo $((first[$1] + $2 - 1))
}
row_top() { echo $((52 + 15 * ($1 - 1))); }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }
hidden() { [[ -z "$(e2e_main_window)" ]]; }

e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
e2e_tray_click 3
e2e_wait_until 20 e2e_main_window || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1

# ---- a recurring note -------------------------------------------------------------------------

# True when the red mark of the recurring-note badge is drawn on day 6.
marker_pixel() {
    e2e_screenshot "$E2E_WORK/screen.png"
    [[ "$(convert "$E2E_WORK/screen.png" -format "%[hex:u.p{$((X + 64)),$((Y + $(row_top 6) + 6))}]" info: |
        cut -c1-6)" == D0101E ]]
}
marker_pixel && e2e_fail "day 6 shows a marker before it has a note"
xdotool mousemove $((X + 64)) $((Y + $(row_top 6) + 7)) click 1
sleep 0.5
xdotool type --delay 30 "Call Mum [18:00]"
xdotool key Return
e2e_wait_until 5 marker_pixel || e2e_fail "the marker did not appear after Enter"

# ---- the Format menu --------------------------------------------------------------------------

# Each choice: a right click on day $1's number, then the keys that reach an item (the
# separator is skipped).
format_day() {
    local day="$1"
    shift
    xdotool mousemove $((X + 28)) $((Y + $(row_top "$day") + 8)) click 3
    sleep 0.7
    xdotool key "$@" Return
    sleep 0.5
}
format_day 5 Down           # Bold
format_day 5 Down Down Down # Red

# A line being typed in keeps the focus while the menu formats it.
xdotool mousemove $((X + 200)) $((Y + $(row_top 8) + 7)) click 1
sleep 0.3
xdotool type --delay 30 "Tea"
format_day 8 Down Down Down Down Down # Green
xdotool type --delay 30 " at five"

# ---- hiding writes the lines and the note -----------------------------------------------------

xdotool mousemove $((X + 740)) $((Y + 18)) click 1
e2e_wait_until 10 hidden || e2e_fail "the hide button did not hide the window"
diary_line="$(sed -n "$(((month - 1) * 31 + 5))p" "$E2E_DATA/Diary/$year" | tr -d '\r')"
[[ "$diary_line" == "BR###Buy milk" ]] || e2e_fail "the formatted line is stored as '$diary_line'"
typed_line="$(sed -n "$(((month - 1) * 31 + 8))p" "$E2E_DATA/Diary/$year" | tr -d '\r')"
[[ "$typed_line" == "#G###Tea at five" ]] || e2e_fail "the line formatted while typed is stored as '$typed_line'"
note="$(sed -n "$(recurring_line "$month" 6)p" "$E2E_DATA/Reminder" | tr -d '\r')"
[[ "$note" == "Call Mum [18:00]" ]] || e2e_fail "the recurring note is stored as '$note'"
[[ "$(wc -l <"$E2E_DATA/Reminder")" == 366 ]] || e2e_fail "Reminder does not have 366 lines"

echo "PASS: day editing"
