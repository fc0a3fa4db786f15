#!/usr/bin/env bash
# Missed alarms on the real program, its clock moved while it runs: libfaketime reads the time
# from a file at every call (FAKETIME_TIMESTAMP_FILE with FAKETIME_NO_CACHE=1), and the test
# writes three hours later into it, as a computer that slept from 9:00 to 12:00 would find. With
# "List missed alarms" on, the quiet list of the two times in between comes up once: OK closes it,
# the clock's next looks and a new start leave it away, and "\AlarmChecked" holds the jump's minute.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
# Today's day message already seen, so that only the list can come up.
printf '07.12.2026\r\nMS Sans Serif\r\n8\r\n0\r\n&H00000000\r\n&H0094C2E3\r\n2\r\n0\r\n' >"$E2E_DATA/Notes.ini"
for ((i = 1; i <= 372; i++)); do
    if ((i == 11 * 31 + 7)); then printf '#####[10:00] dentist [11:30] bank\r\n'; else printf '#####\r\n'; fi
done >"$E2E_DATA/Diary/2026"
printf '0\r\n10\r\n1\r\n' >"$E2E_DATA/AlarmOptions"  # list on, late alarm off

clock="$E2E_WORK/clock"
set_clock() { echo "@$1" >"$clock"; }
start_with_clock() {
    set_clock "$1"
    (cd "$E2E_PROGRAM" && exec env LD_PRELOAD="$(faketime_library)" FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_NO_CACHE=1 \
        wine "C:\\Orvane Notes\\OrvaneNotes.exe") >>"$E2E_WORK/wine.log" 2>&1 &
    E2E_PID=$!
}
faketime_library() {
    local library
    for library in /usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
        [[ -f "$library" ]] && echo "$library" && return 0
    done
    e2e_fail "no libfaketime"
}

missed_window() { xdotool search --onlyvisible --name '^Missed alarms' 2>/dev/null | head -n 1; }
missed_shown() { [[ -n "$(missed_window)" ]]; }
missed_hidden() { [[ -z "$(missed_window)" ]]; }
message_hidden() { [[ -z "$(xdotool search --onlyvisible --name '^Message!$' 2>/dev/null | head -n 1)" ]]; }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }
checked() { tr -d '\r\n' <"$E2E_DATA/AlarmChecked" 2>/dev/null || true; }

# ---- 9:00: nothing missed -------------------------------------------------------------------------

start_with_clock "2026-12-07 09:00:00"
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon"
sleep 17  # the clock's first look
missed_hidden || e2e_fail "a list of missed alarms at a first start"

# ---- three hours later ---------------------------------------------------------------------------

set_clock "2026-12-07 12:00:30"
e2e_wait_until 40 missed_shown || e2e_fail "no list of missed alarms after the clock jumped three hours"
window="$(missed_window)"
title="$(xdotool getwindowname "$window")"
[[ "$title" == "Missed alarms (2)" ]] || e2e_fail "the list is titled \"$title\", not \"Missed alarms (2)\""
message_hidden || e2e_fail "a missed alarm rang although the late alarm is off"
# libfaketime's new time comes to each process a moment apart: the minute looked at is 12:00 or
# one just before it, after both times at any rate.
after_jump() { [[ "$(checked)" > "2026-12-07 11:30" && "$(checked)" < "2026-12-07 12:02" ]]; }
e2e_wait_until 10 after_jump || e2e_fail "AlarmChecked says \"$(checked)\", not the minute of the jump"

# The list shows dark text on its light box, inside the window, the window inside the screen.
sleep 1
shot="$E2E_WORK/missed.png"
e2e_screenshot "$shot"
eval "$(xdotool getwindowgeometry --shell "$window")"
((X >= 0 && Y >= 0 && X + WIDTH <= 1024 && Y + HEIGHT <= 768)) || e2e_fail "the list at $X, $Y, $WIDTH x $HEIGHT leaves the screen"
dark="$(convert "$shot" -crop "$((WIDTH - 40))x60+$((X + 20))+$((Y + 78))" +repage -depth 8 txt:- | grep -ci '#000000' || true)"
((dark > 50)) || e2e_fail "the list shows no text ($dark dark pixels)"
if [[ -n "${E2E_SHOTS:-}" ]]; then convert "$shot" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$E2E_SHOTS/missed-alarms.png"; fi

# OK at the bottom centre closes it; the clock's next looks do not bring it back.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 28)) click 1
e2e_wait_until 10 missed_hidden || e2e_fail "OK did not close the list"
for ((i = 0; i < 35; i++)); do
    sleep 1
    missed_hidden || e2e_fail "the list came back"
done

# ---- a new start: the missed alarms were listed once, and are not listed again -----------------

wineserver -k
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the program did not end"
start_with_clock "2026-12-07 12:02:00"
e2e_wait_until 60 tray_shown || e2e_fail "no tray icon after the restart"
for ((i = 0; i < 20; i++)); do
    sleep 1
    missed_hidden || e2e_fail "the missed alarms were listed again after a restart"
done
e2e_running "$E2E_PID" || e2e_fail "the program ended"
echo "PASS: missed alarms"
