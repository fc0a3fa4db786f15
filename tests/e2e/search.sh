#!/usr/bin/env bash
# The search on the real program: Ctrl+F in the calendar window opens the search window, typing
# lists a line of another year, and Enter saves the line typed in the shown year first, then shows
# that other year's day with the focus in its line (what is typed next lands in that line).
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

year=$(date +%Y)
month=$((10#$(date +%m)))
e2e_first_run_tree "$E2E_DATA"
# 2019 holds one line, on 14 March.
for ((i = 1; i <= 372; i++)); do
    if ((i == 2 * 31 + 14)); then printf '#####dentist in spring\r\n'; else printf '#####\r\n'; fi
done >"$E2E_DATA/Diary/2019"

search_window() { xdotool search --onlyvisible --name '^Search$' 2>/dev/null | head -n 1; }
no_search_window() { [[ -z "$(search_window)" ]]; }

tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1  # let the window paint

click_at() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.3
}
type_text() {
    xdotool type --delay 40 "$1"
    sleep 0.3
}
year_line() {
    local file="$E2E_DATA/Diary/$1"
    [[ -f "$file" ]] || return 1
    sed -n "$((($2 - 1) * 31 + $3))p" "$file" | tr -d '\r'
}
year_line_is() { [[ "$(year_line "$1" "$2" "$3")" == "$4" ]]; }

click_at 200 59  # the line of the 1st
type_text "typed before the search"
xdotool key ctrl+f
e2e_wait_until 10 search_window || e2e_fail "Ctrl+F did not open the search window"
type_text "dentist"
sleep 0.5
e2e_screenshot "$E2E_WORK/search.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/search.png" "$E2E_SHOTS/search.png"; fi
xdotool key Return
e2e_wait_until 10 no_search_window || e2e_fail "Enter did not put the search window away"
e2e_wait_until 10 year_line_is "$year" "$month" 1 "#####typed before the search" ||
    e2e_fail "going to another year did not save the line typed in $year: '$(year_line "$year" "$month" 1 || true)'"
sleep 0.5
e2e_screenshot "$E2E_WORK/found.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/found.png" "$E2E_SHOTS/search-found.png"; fi

# The focus is in the line of 14 March 2019: Ctrl+A and typing replace it; the hide image saves.
xdotool key ctrl+a
type_text "found it"
click_at 740 18
e2e_wait_until 10 year_line_is 2019 3 14 "#####found it" ||
    e2e_fail "the focus was not in the line of 14 March 2019: '$(year_line 2019 3 14 || true)'"

echo "PASS: search"
