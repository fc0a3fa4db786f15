#!/usr/bin/env bash
# The calendar window with prepared data: a right press on the tray icon shows it at its place
# and size, and the year view and the day panel show their days in their colours. With
# $CALENDAR_SCREENSHOT set, the window's picture is also written there.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

year=$(date +%Y)
month=$((10#$(date +%m)))
today=$((10#$(date +%d)))

# ---- data -------------------------------------------------------------------------------------

e2e_first_run_tree "$E2E_DATA"
# Today's day message counts as seen, so that it does not cover the calendar window.
sed -i "1s/^NORESUME/$(date +%d.%m.%Y)/" "$E2E_DATA/Notes.ini"

# Line number (from 1) of a date in the 366-line files.
recurring_line() {
    local first=(0 1 32 61 92 122 153 183 214 245 275 306 336)
    echo $((first[$1] + $2 - 1))
}

names=(Adam Eve Peter Anna Martin Lucia Simon Elena Victor Helena Oliver Maria Jacob Sofia Daniel Clara)
declare -A name_lines reminder_lines diary_lines
for ((i = 1; i <= 366; i++)); do name_lines[$i]=" ${names[$((i % ${#names[@]}))]}"; done
name_lines[$(recurring_line "$month" 25)]="*Public holiday"
name_lines[$(recurring_line 1 1)]="*New Year's Day"
reminder_lines[$(recurring_line "$month" 4)]="Anna's birthday"
reminder_lines[$(recurring_line "$month" 15)]="Water the plants [8:00]"
reminder_lines[$(recurring_line 3 8)]="Flowers for Mum"
for ((i = 1; i <= 366; i++)); do printf '%s\r\n' "${name_lines[$i]}"; done >"$E2E_DATA/Names"
for ((i = 1; i <= 366; i++)); do printf '%s\r\n' "${reminder_lines[$i]:-}"; done >"$E2E_DATA/Reminder"

diary() { diary_lines[$((($1 - 1) * 31 + $2))]="$3"; }
diary "$month" 1 "#####Project kick-off with the design team [9:30]"
diary "$month" 3 "BR###Dentist [14:15]"
diary "$month" 4 "#G###Gym, then the cinema"
diary "$month" 8 "B####Quarterly report due"
diary "$month" 10 "#B###Call Anna about the holiday plans"
diary "$month" 14 "#Y###Pay the electricity bill"
diary "$month" 18 "#####Lunch with Peter, 12:30 at the Blue Cafe"
diary "$month" 21 "BB###Team dinner [19:00]"
diary "$month" 27 "#####Book the train tickets"
diary 2 12 "#####Ski trip"
diary 6 20 "#####Summer party"
diary 9 5 "#####Conference"
for ((i = 1; i <= 372; i++)); do printf '%s\r\n' "${diary_lines[$i]:-#####}"; done >"$E2E_DATA/Diary/$year"

# ---- the window -------------------------------------------------------------------------------

tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
[[ -z "$(e2e_main_window)" ]] || e2e_fail "the calendar window is shown before the tray asks for it"
e2e_tray_click 3
e2e_wait_until 20 e2e_main_window || e2e_fail "a right press on the tray icon did not show the calendar window"
window="$(e2e_main_window)"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ "$WIDTH x $HEIGHT" == "782 x 540" ]] || e2e_fail "window is $WIDTH x $HEIGHT, not 782 x 540"
# Centred across a 1024 x 768 screen and a little above the middle.
[[ "$X $Y" == "121 84" ]] || e2e_fail "window at $X, $Y, not 121, 84"

sleep 1  # let the window paint
shot="$E2E_WORK/screen.png"
e2e_screenshot "$shot"
window_shot="$E2E_WORK/window.png"
convert "$shot" -crop "782x540+$X+$Y" +repage "$window_shot"
if [[ -n "${CALENDAR_SCREENSHOT:-}" ]]; then cp "$window_shot" "$CALENDAR_SCREENSHOT"; fi

# ---- colours ----------------------------------------------------------------------------------

# Colour of a pixel of the window, as RRGGBB.
pixel() { convert "$window_shot" -format "%[hex:u.p{$1,$2}]" info: | cut -c1-6; }

expect_pixel() {
    local x="$1" y="$2" want="$3" what="$4" got
    got="$(pixel "$x" "$y")"
    [[ "$got" == "$want" ]] || e2e_fail "$what: pixel $x,$y is $got, not $want"
}

# True when the area (x y width height) holds a pixel of exactly colour $5 (RRGGBB).
area_has() {
    # grep reads everything (no -q), so that convert never writes into a closed pipe.
    convert "$window_shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -ci "#$5" >/dev/null
}

expect_area() {
    area_has "$1" "$2" "$3" "$4" "$5" || e2e_fail "$6: no #$5 in the area $1,$2 $3x$4"
}

row_top() { echo $((52 + 15 * ($1 - 1))); }

# 1 Sunday .. 7 Saturday.
weekday() { echo $(($(date -d "$year-$month-$1" +%u) % 7 + 1)); }

expect_pixel 4 300 006090 "window background"
expect_pixel 13 300 FFFFFA "day panel paper"
expect_pixel 488 "$(($(row_top 2) + 7))" FFFDE5 "background of a diary line"

# Today is framed; another day is not.
expect_pixel 18 "$(($(row_top "$today") + 8))" 000000 "frame of today"
other=$((today == 1 ? 2 : 1))
expect_pixel 18 "$(($(row_top "$other") + 8))" FFFFFA "no frame on another day"

# Separators: dark under a Sunday, light grey under any other day.
for ((d = 1; d <= 7; d++)); do
    if [[ "$(weekday "$d")" == 1 ]]; then sunday=$d; fi
done
# A day from Monday to Friday among the first week's days that carry no mark of their own.
for d in 2 5 6 7; do
    wd="$(weekday "$d")"
    if ((wd >= 2 && wd <= 6)); then
        ordinary_day=$d
        break
    fi
done
expect_pixel 300 "$(($(row_top "$sunday") + 15))" 803020 "separator under Sunday the $sunday."
expect_pixel 300 "$(($(row_top "$ordinary_day") + 15))" C0C0C0 "separator under the $ordinary_day."

# Day numbers and weekdays: red on Sundays and holidays.
expect_area 18 "$(($(row_top "$sunday") + 1))" 41 13 D02010 "number and weekday of a Sunday"
expect_area 18 "$(($(row_top 25) + 1))" 41 13 D02010 "number and weekday of a holiday"
expect_area 18 "$(($(row_top "$ordinary_day") + 1))" 16 13 000000 "number of an ordinary day"

# The recurring-note marker on the 4th: a red mark on a yellow badge.
marker_top=$(row_top 4)
expect_pixel 64 $((marker_top + 6)) D0101E "mark of the recurring-note badge"
badge="$(pixel 60 $((marker_top + 7)))"
((0x${badge:0:2} > 0xE0 && 0x${badge:2:2} > 0xA0 && 0x${badge:4:2} < 0x80)) ||
    e2e_fail "the recurring-note badge is $badge, not yellow"
[[ "$(pixel 64 $(($(row_top 5) + 6)))" != D0101E ]] || e2e_fail "a marker on a day without a recurring note"

# Diary lines in their colours: the 3rd bold red, the 4th green.
expect_area 75 "$(($(row_top 3) + 1))" 200 13 D02010 "red diary line"
expect_area 75 "$(($(row_top 4) + 1))" 200 13 008020 "green diary line"

# The year view: cell i of month m's grid, Monday first.
grid_x=(0 521 604 687 521 604 687 521 603 687 521 603 687)
grid_y=(0 152 152 152 243 243 243 334 334 334 425 425 425)
cell_area() {
    local m="$1" d="$2" first
    first=$(($(date -d "$year-$m-01" +%u)))  # 1 Monday .. 7 Sunday
    local i=$((d + first - 1))
    echo "$((grid_x[m] + 10 * ((i - 1) % 7) + 2)) $((grid_y[m] + 11 * ((i - 1) / 7) + 2)) 9 12"
}
expect_area $(cell_area "$month" 1) 206090 "year view: a day with a diary line"
expect_area $(cell_area "$month" 15) A07000 "year view: a day with a recurring note"
expect_area $(cell_area "$month" 25) F08080 "year view: a holiday"
# In January the 1st carries a diary line, which outranks the holiday.
((month == 1)) || expect_area $(cell_area 1 1) F08080 "year view: New Year's Day"
expect_area $(cell_area 6 20) 206090 "year view: a diary line in another month"
expect_area $(cell_area 3 8) A07000 "year view: a recurring note in another month"
expect_area $(cell_area "$month" "$ordinary_day") 909090 "year view: an ordinary day"

# ---- the shell ---------------------------------------------------------------------------------

# Dragging the background moves the window by the distance the pointer moved.
xdotool mousemove $((X + 4)) $((Y + 300)) mousedown 1
sleep 0.2
xdotool mousemove $((X + 34)) $((Y + 320))
sleep 0.2
xdotool mouseup 1
moved() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [[ "$X $Y" == "151 104" ]]
}
e2e_wait_until 5 moved || e2e_fail "dragging the background left the window at $X, $Y"

# The hide button hides the window; the program goes on in the tray.
xdotool mousemove $((X + 740)) $((Y + 18)) click 1
hidden() { [[ -z "$(e2e_main_window)" ]]; }
e2e_wait_until 10 hidden || e2e_fail "the hide button did not hide the window"
e2e_running "$E2E_PID" || e2e_fail "the hide button ended the program"

# The exit button with Shift held ends the program without a question.
e2e_tray_click 3
e2e_wait_until 20 e2e_main_window || e2e_fail "the calendar window did not come back"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
touch -d '2000-01-01 00:00:00 UTC' "$E2E_DATA/Notes.ini"  # so that its rewrite shows
xdotool mousemove $((X + 764)) $((Y + 18)) keydown shift click 1 keyup shift
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the exit button with Shift did not end the program"
(($(stat -c %Y "$E2E_DATA/Notes.ini") > 946684800)) || e2e_fail "the settings were not written on exit"

echo "PASS: calendar window"
