#!/usr/bin/env bash
# The alarm dialog: the first run writes the alarm file (sound on, 38 empty lines); the Alarms
# button on the calendar window opens the dialog centred and a little above the middle; a time
# typed into a day-of-month row is written by OK, and one typed and then closed with the close
# image is discarded (also from what the next save writes). With $ALARM_SCREENSHOT set, the
# dialog's picture is written there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

alarm_file="$E2E_DATA/Alarm"
expected_first="$E2E_WORK/first-alarm"
{ printf ' 1 \r\n'; for ((i = 0; i < 38; i++)); do printf '\r\n'; done; } >"$expected_first"

# Line $1 of the alarm file, without its CR.
alarm_line() { sed -n "${1}p" "$alarm_file" 2>/dev/null | tr -d '\r'; }
alarm_line_is() { [[ "$(alarm_line "$1")" == "$2" ]]; }

alarm_dialog() { xdotool search --onlyvisible --name '^Alarm$' 2>/dev/null | head -n 1; }
no_alarm_dialog() { [[ -z "$(alarm_dialog)" ]]; }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

e2e_start
e2e_wait_until 60 cmp -s "$expected_first" "$alarm_file" || e2e_fail "the first run wrote no 39-line alarm file"
[[ "$(wc -l <"$alarm_file")" == 39 ]] || e2e_fail "the alarm file has $(wc -l <"$alarm_file") lines"

e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
main_x=$X main_y=$Y
sleep 1  # let the window settle: shown, activated, painted

open_dialog() {
    xdotool mousemove $((main_x + 700)) $((main_y + 72)) click 1
    e2e_wait_until 20 alarm_dialog || e2e_fail "the Alarms button did not open the alarm dialog"
    eval "$(xdotool getwindowgeometry --shell "$(alarm_dialog)")"
    [[ "$WIDTH x $HEIGHT" == "526 x 530" ]] || e2e_fail "dialog is $WIDTH x $HEIGHT, not 526 x 530"
    [[ "$X $Y" == "249 88" ]] || e2e_fail "dialog at $X, $Y, not 249, 88"
    [[ -n "$(e2e_main_window)" ]] || e2e_fail "the calendar window went away behind the dialog"
    sleep 1  # let the dialog settle before it is clicked
}

# The box of day $1 of the month, and the dialog's two image buttons.
click_day_box() { xdotool mousemove $((X + 120)) $((Y + 50 + 15 * ($1 - 1) + 7)) click 1; }
click_ok() { xdotool mousemove $((X + 470)) $((Y + 504)) click 1; }
click_close() { xdotool mousemove $((X + 508)) $((Y + 18)) click 1; }

# ---- OK writes ---------------------------------------------------------------------------------

open_dialog
if [[ -n "${ALARM_SCREENSHOT:-}" ]]; then
    e2e_screenshot "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$ALARM_SCREENSHOT"
fi
click_day_box 5
xdotool type --delay 40 "7:45 stretch"
click_ok
e2e_wait_until 20 alarm_line_is 6 "7:45 stretch" || e2e_fail "OK did not write the day-of-month time: '$(alarm_line 6)'"
e2e_wait_until 10 no_alarm_dialog || e2e_fail "OK left the dialog open"
alarm_line_is 1 " 1 " || e2e_fail "the sound line became '$(alarm_line 1)'"

# ---- the close image discards ------------------------------------------------------------------

open_dialog
click_day_box 6
xdotool type --delay 40 "9:10 discarded"
sleep 0.5
click_close
e2e_wait_until 10 no_alarm_dialog || e2e_fail "the close image left the dialog open"
sleep 1
alarm_line_is 7 "" || e2e_fail "the close image wrote the time: '$(alarm_line 7)'"

# Hiding the calendar window saves the alarms: the discarded time is not among them.
before="$(stat -c %Y.%s "$alarm_file")"
sleep 1.1
xdotool mousemove $((main_x + 740)) $((main_y + 18)) click 1
saved() { [[ "$(stat -c %Y.%s "$alarm_file")" != "$before" ]] && [[ -z "$(e2e_main_window)" ]]; }
e2e_wait_until 20 saved || e2e_fail "hiding the calendar window did not save the alarms"
alarm_line_is 7 "" || e2e_fail "the discarded time came back: '$(alarm_line 7)'"
alarm_line_is 6 "7:45 stretch" || e2e_fail "the saved time went: '$(alarm_line 6)'"
[[ "$(wc -l <"$alarm_file")" == 39 ]] || e2e_fail "the alarm file has $(wc -l <"$alarm_file") lines"
e2e_running "$E2E_PID" || e2e_fail "the program ended"
echo "PASS: alarm dialog"
