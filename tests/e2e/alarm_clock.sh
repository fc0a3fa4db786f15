#!/usr/bin/env bash
# The alarm clock on the real program, its clock set by faketime: started just before midnight,
# the day message of the next day's yearly note comes up after midnight with the tray's picture
# and tip of the new day; its OK marks the day as seen in Notes.ini. Started again that day, the
# day message stays away although the yearly note is there, and a diary line of today with the
# next minute's time in brackets rings once.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# ---- data: name days on 7 and 8 December, a yearly note on the 8th -----------------------------

e2e_first_run_tree "$E2E_DATA"
december=336  # line of 1 December in the 366-line files
for ((i = 1; i <= 366; i++)); do
    case $i in
    $((december + 6))) printf ' Ambroz\r\n' ;;
    $((december + 7))) printf ' Marina\r\n' ;;
    *) printf ' \r\n' ;;
    esac
done >"$E2E_DATA/Names"
for ((i = 1; i <= 366; i++)); do
    case $i in
    $((december + 7))) printf "Mum's birthday\r\n" ;;
    *) printf '\r\n' ;;
    esac
done >"$E2E_DATA/Reminder"

# ---- the screen ---------------------------------------------------------------------------------

message_window() { xdotool search --onlyvisible --name '^Message!$' 2>/dev/null | head -n 1; }
message_shown() { [[ -n "$(message_window)" ]]; }
message_hidden() { [[ -z "$(message_window)" ]]; }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

# The tray icon's centre: the first pixel of the sticky note's paper in the tray window.
icon_point() {
    local shot="$E2E_WORK/tray.png" point
    e2e_screenshot "$shot"
    eval "$(xdotool getwindowgeometry --shell "$(e2e_tray_window)")"
    point="$(convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -depth 8 txt:- | grep -i '#F6D96B' | head -n 1 |
        cut -d: -f1 || true)"
    [[ -n "$point" ]] || e2e_fail "no tray icon picture in the tray window"
    echo "$((X + ${point%,*} + 5)) $((Y + ${point#*,} + 5))"
}

# Writes the tray icon's picture to $1 and the tip shown over it to $2.
tray_pictures() {
    local x y shot="$E2E_WORK/hover.png"
    read -r x y < <(icon_point)
    xdotool mousemove 600 600
    sleep 0.5
    xdotool mousemove $((x - 2)) "$y"
    sleep 0.2
    xdotool mousemove "$x" "$y"
    tip_window() { xdotool search --onlyvisible --name '^$' 2>/dev/null | while read -r w; do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        ((WIDTH < 400 && HEIGHT < 40)) && echo "$w"
    done | head -n 1; }
    tip_shown() { [[ -n "$(tip_window)" ]]; }
    e2e_wait_until 10 tip_shown || e2e_fail "no tip over the tray icon"
    sleep 0.5
    e2e_screenshot "$shot"
    convert "$shot" -crop "16x16+$((x - 8))+$((y - 8))" +repage "$1"
    eval "$(xdotool getwindowgeometry --shell "$(tip_window)")"
    convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
    xdotool mousemove 600 600
}

same_picture() { [[ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" == 0 ]]; }

# True when the message window shows text in its light text colour.
message_has_text() {
    local shot="$E2E_WORK/message.png"
    e2e_screenshot "$shot"
    eval "$(xdotool getwindowgeometry --shell "$(message_window)")"
    convert "$shot" -crop "$((WIDTH - 32))x100+$((X + 16))+$((Y + 40))" +repage -depth 8 txt:- | grep -ci '#C0E0FF' >/dev/null
}

# Image1 (OK) at the bottom centre, Image2 (close) in the top-right corner.
click_message() {
    eval "$(xdotool getwindowgeometry --shell "$(message_window)")"
    case $1 in
    ok) xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 24)) click 1 ;;
    close) xdotool mousemove $((X + WIDTH - 18)) $((Y + 18)) click 1 ;;
    esac
}

resume_mode() { head -n 1 "$E2E_DATA/Notes.ini" | tr -d '\r'; }

# ---- midnight -----------------------------------------------------------------------------------

e2e_start_at "2026-12-07 23:59:35"
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
sleep 1
message_hidden || e2e_fail "a day message on a day with nothing noted"
tray_pictures "$E2E_WORK/icon-7.png" "$E2E_WORK/tip-7.png"

e2e_wait_until 60 message_shown || e2e_fail "no day message after midnight"
eval "$(xdotool getwindowgeometry --shell "$(message_window)")"
[[ "$WIDTH x $HEIGHT at $X, $Y" == "324 x 232 at 350, 199" ]] ||
    e2e_fail "the message window is $WIDTH x $HEIGHT at $X, $Y, not 324 x 232 at 350, 199"
sleep 1
message_has_text || e2e_fail "the day message shows no text"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/message.png" "$E2E_SHOTS/day-message.png"; fi

tray_pictures "$E2E_WORK/icon-8.png" "$E2E_WORK/tip-8.png"
same_picture "$E2E_WORK/icon-7.png" "$E2E_WORK/icon-8.png" && e2e_fail "the tray picture did not change after midnight"
same_picture "$E2E_WORK/tip-7.png" "$E2E_WORK/tip-8.png" && e2e_fail "the tray tip did not change after midnight"

[[ "$(resume_mode)" == NORESUME ]] || e2e_fail "the settings changed before OK"
click_message ok
e2e_wait_until 10 message_hidden || e2e_fail "OK did not hide the message window"
e2e_wait_until 10 test "$(resume_mode)" = 08.12.2026 || e2e_fail "OK wrote \"$(resume_mode)\", not today's date"

wineserver -k
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the program did not end"

# ---- the same day again: no day message; a diary line's alarm rings once -------------------------

for ((i = 1; i <= 372; i++)); do
    if ((i == 11 * 31 + 8)); then printf '#####[10:15] call the bank\r\n'; else printf '#####\r\n'; fi
done >"$E2E_DATA/Diary/2026"
e2e_start_at "2026-12-08 10:14:40"
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon after the restart"
# The day message would be up before the tray icon; the first alarm look comes 15 s after start.
sleep 1
message_hidden || e2e_fail "the day message came back on the day it was seen"

e2e_wait_until 60 message_shown || e2e_fail "the diary line's alarm did not ring"
sleep 1
message_has_text || e2e_fail "the alarm message shows no text"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/message.png" "$E2E_SHOTS/alarm.png"; fi
click_message close
e2e_wait_until 10 message_hidden || e2e_fail "the close image did not hide the message window"
# The clock looks three more times in this minute; the alarm must not ring again.
for ((i = 0; i < 47; i++)); do
    sleep 1
    message_hidden || e2e_fail "the alarm rang twice in its minute"
done
[[ "$(resume_mode)" == 08.12.2026 ]] || e2e_fail "the close image changed the settings"
e2e_running "$E2E_PID" || e2e_fail "the program ended"
echo "PASS: alarm clock"
