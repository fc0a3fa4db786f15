#!/usr/bin/env bash
# Moving the calendar on the real program: a line with an alarm time typed into December reaches
# that year's file when DiNext steps into the next year, a line typed there reaches the next
# year's file when DiBack steps back, and a year typed into the year editor is shown in the year
# title and is the year that lines then belong to.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

year=$(date +%Y)
next=$((year + 1))
e2e_first_run_tree "$E2E_DATA"

tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window paint

# Clicks at a point of the window's client area.
click_at() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.3
}
# A day line of the panel: its text box starts at x 75, one row every 15 pixels from y 53.
click_day_line() { click_at 200 $((53 + 15 * ($1 - 1) + 6)); }
type_text() {
    xdotool type --delay 40 "$1"
    sleep 0.3
}

# Line $3 of month $2 in the year file of year $1 (31 lines a month).
year_line() {
    local file="$E2E_DATA/Diary/$1"
    [[ -f "$file" ]] || return 1
    sed -n "$((($2 - 1) * 31 + $3))p" "$file" | tr -d '\r'
}
year_line_is() { [[ "$(year_line "$1" "$2" "$3")" == "$4" ]]; }

# ---- December, then over New Year and back ------------------------------------------------------

click_at 720 450  # the December block of the year view
click_day_line 12
type_text "[9:05] dentist"
click_at 483 34  # DiNext: January of the next year, after saving this one
e2e_wait_until 10 year_line_is "$year" 12 12 "#####[9:05] dentist" ||
    e2e_fail "DiNext from December did not save the line typed there: '$(year_line "$year" 12 12 || true)'"
[[ ! -e "$E2E_DATA/Diary/$next" ]] || e2e_fail "stepping into $next wrote its file before anything changed"

click_day_line 3
type_text "[7:30] train to Vienna"
click_at 461 34  # DiBack: December again
e2e_wait_until 10 year_line_is "$next" 1 3 "#####[7:30] train to Vienna" ||
    e2e_fail "DiBack from January did not save the line typed there: '$(year_line "$next" 1 3 || true)'"
year_line_is "$year" 12 12 "#####[9:05] dentist" || e2e_fail "the December line changed on the way back"
(($(wc -l <"$E2E_DATA/Diary/$year") == 372 && $(wc -l <"$E2E_DATA/Diary/$next") == 372)) ||
    e2e_fail "a year file does not hold 372 lines"

# ---- the year editor ------------------------------------------------------------------------------

# The year title's area, as an image.
title_shot() {
    e2e_screenshot "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "140x32+$((X + 551))+$((Y + 98))" +repage "$1"
}
same_image() { [[ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" == 0 ]]; }

sleep 1  # the title is painted after the file is written
title_shot "$E2E_WORK/title-$year.png"
click_at 639 112  # the year title opens the editor, its text selected
type_text "1999"
xdotool key Return
sleep 0.5
title_shot "$E2E_WORK/title-1999.png"
same_image "$E2E_WORK/title-$year.png" "$E2E_WORK/title-1999.png" && e2e_fail "the year title did not change"

# The shown year is 1999: a line typed now belongs to it, and hiding saves it.
click_day_line 1
type_text "from the year editor"
click_at 740 18  # the hide image: back to today, after saving 1999
e2e_wait_until 10 year_line_is 1999 1 1 "#####from the year editor" ||
    e2e_fail "the line typed after the year editor is not in 1999's file"
hidden() { [[ -z "$(e2e_main_window)" ]]; }
e2e_wait_until 10 hidden || e2e_fail "the hide image did not hide the window"

# Shown again, the title reads this year in the very same pixels as before.
e2e_tray_click 3
e2e_wait_until 20 e2e_main_window || e2e_fail "the calendar window did not come back"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"  # the tray click used X and Y
sleep 1
title_shot "$E2E_WORK/title-again.png"
same_image "$E2E_WORK/title-$year.png" "$E2E_WORK/title-again.png" ||
    e2e_fail "the year title does not show $year again after the hide image returned to today"

# The editor with a year typed over and Esc keeps the year.
click_at 639 112
type_text "2040"
xdotool key Escape
sleep 0.5
title_shot "$E2E_WORK/title-escaped.png"
same_image "$E2E_WORK/title-$year.png" "$E2E_WORK/title-escaped.png" ||
    e2e_fail "Esc in the year editor did not keep $year in the title"

echo "PASS: calendar navigation"
