#!/usr/bin/env bash
# The exports of the command line, run beside the running program: the calendar as an iCalendar
# file, read back by a real iCalendar parser (python3-icalendar of the system's own Python), the
# notes as UTF-8 text files with safe names, and the exit codes and one-line messages of bad
# arguments and of a file that cannot be written.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
PYTHON=/usr/bin/python3
"$PYTHON" -c 'import icalendar' || e2e_fail "python3-icalendar is missing (tools/install-deps installs it)"

e2e_first_run_tree "$E2E_DATA"
# A year of lines (bold, coloured, with alarm times and characters of the code page), recurring
# notes (29 February among them), an alarm table and two notes, in the files' own formats.
"$PYTHON" - "$E2E_DATA" <<'PY'
import struct, sys
data = sys.argv[1]
year = ["#####"] * 372
def day(m, d): return (m - 1) * 31 + d - 1
year[day(12, 7)] = "BR###Dentist [14:15], bring the card; ask about \\ fees"
year[day(12, 8)] = "#G###Caf\xe9 with Ren\xe9e \u20ac 5 " + "x" * 90
year[day(2, 28)] = "#####Rent"
year[day(3, 1)] = "B####"
open(f"{data}/Diary/2026", "wb").write(("\r\n".join(year) + "\r\n").encode("cp1252"))
other = ["#####"] * 372
other[day(1, 1)] = "#####Another year"
open(f"{data}/Diary/2025", "wb").write(("\r\n".join(other) + "\r\n").encode("cp1252"))
reminder = [""] * 366
reminder[31 + 28] = "Leap day"          # 29 February: the 60th line
reminder[121 + 0] = "May day [7:30]"    # 1 May
open(f"{data}/Reminder", "wb").write(("\r\n".join(reminder) + "\r\n").encode("cp1252"))
alarm = [" 1 "] + [""] * 38
alarm[15] = "9:00 rent"  # the 15th of each month
alarm[32] = "7:45 gym"   # Mondays
open(f"{data}/Alarm", "wb").write(("\r\n".join(alarm) + "\r\n").encode("cp1252"))
fields = [("80", 5), ("80", 5), ("166", 5), ("127", 5), ("0", 1), ("2", 1), ("0", 1), ("8", 2), ("Arial", 15),
          ("&H0", 15), ("&H94C2E3", 15)]
header = "".join(value.ljust(width) for value, width in fields)
notes = bytearray()
texts = {2: "Shopping: milk/bread?\r\nCaf\xe9 \u20ac", 40: "CON"}
for n in range(1, 41):
    text = (header + texts[n]).encode("cp1252") if n in texts else b""
    notes += struct.pack("<H", len(text)) + text.ljust(4000, b" ")
open(f"{data}/Notes", "wb").write(bytes(notes))
PY

cp "$E2E_DATA/Diary/2026" "$E2E_WORK/year-as-prepared"
cp "$E2E_DATA/Reminder" "$E2E_WORK/reminder-as-prepared"

# The program runs: the exports read beside it and are not turned away as a second start.
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }
e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "the program did not start"
e2e_running "$E2E_PID" || e2e_fail "the program ended"
mkdir -p "$WINEPREFIX/drive_c/out/notes"

# Runs the program with the arguments from its folder; the exit code in $code, its standard output
# and error in $out and $err.
run() {
    set +e
    (cd "$E2E_PROGRAM" && wine "C:\\Orvane Notes\\OrvaneNotes.exe" "$@") >"$E2E_WORK/out" 2>"$E2E_WORK/err"
    code=$?
    set -e
    out="$(tr -d '\r' <"$E2E_WORK/out")"
    err="$(tr -d '\r' <"$E2E_WORK/err")"
    e2e_log "$* -> $code: $out$err"
}

run --export-ics 'C:\out\diary.ics' --year 2026
[[ "$code" == 0 ]] || e2e_fail "the export ended with $code: $err"
[[ "$out" == 'Exported 3 diary line(s) and the recurring notes and alarms of 2026 to C:\out\diary.ics.' ]] ||
    e2e_fail "the export said: '$out'"
ics="$WINEPREFIX/drive_c/out/diary.ics"
[[ -s "$ics" ]] || e2e_fail "no calendar written"

# The parser reads the file and finds what the files hold; the file keeps the format's rules.
"$PYTHON" - "$ics" <<'PY' || e2e_fail "the calendar does not hold what the data files do"
import sys, icalendar
raw = open(sys.argv[1], "rb").read()
assert raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "CR LF everywhere"
assert all(len(line) <= 75 for line in raw.split(b"\r\n")), "lines of at most 75 octets"
calendar = icalendar.Calendar.from_ical(raw.decode("utf-8"))
assert str(calendar["VERSION"]) == "2.0" and calendar["PRODID"]
events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
for uid, e in events.items():
    assert e.get("DTSTAMP") and e.get("DTSTART"), uid
line = events["20261207-diary@orvane-notes"]
assert str(line["SUMMARY"]) == "Dentist [14:15], bring the card; ask about \\ fees", line["SUMMARY"]
assert str(line["DTSTART"].dt) == "2026-12-07" and str(line["DTEND"].dt) == "2026-12-08"
assert str(line["X-ORVANE-BOLD"]) == "TRUE" and str(line["X-ORVANE-COLOR"]) == "R"
cafe = events["20261208-diary@orvane-notes"]
assert str(cafe["SUMMARY"]).startswith("Caf\u00e9 with Ren\u00e9e \u20ac 5 xxx"), cafe["SUMMARY"]
timed = events["20261207-diary-1415@orvane-notes"]
assert timed["DTSTART"].dt.isoformat() == "2026-12-07T14:15:00", timed["DTSTART"].dt
alarm = timed.walk("VALARM")[0]
assert str(alarm["ACTION"]) == "DISPLAY" and alarm["TRIGGER"] and alarm["DESCRIPTION"]
leap = events["0229-note@orvane-notes"]
assert leap["RRULE"]["FREQ"] == ["YEARLY"] and leap["RRULE"]["BYMONTHDAY"] == [-1], leap["RRULE"]
may = events["0501-note-0730@orvane-notes"]
assert may["DTSTART"].dt.isoformat() == "2000-05-01T07:30:00"
assert events["15-monthly-0900@orvane-notes"]["RRULE"]["BYMONTHDAY"] == [15]
assert events["MO-weekly-0745@orvane-notes"]["RRULE"]["BYDAY"] == ["MO"]
assert "20250101-diary@orvane-notes" not in events, "one year only"
assert "20260301-diary@orvane-notes" not in events, "a code without a text is no line"
assert len(events) == 3 + 1 + 2 + 1 + 1 + 1, sorted(events)
PY

# Exported again (every year now), the same events keep their UIDs.
run --export-ics 'C:\out\all.ics'
[[ "$code" == 0 ]] || e2e_fail "the export of every year ended with $code"
"$PYTHON" - "$ics" "$WINEPREFIX/drive_c/out/all.ics" <<'PY' || e2e_fail "UIDs changed between the exports"
import sys, icalendar
one, every = ({str(e["UID"]) for e in icalendar.Calendar.from_ical(open(p, encoding="utf-8").read()).walk("VEVENT")}
              for p in sys.argv[1:3])
assert one < every and every - one == {"20250101-diary@orvane-notes"}, every - one
PY

run --export-notes 'C:\out\notes'
[[ "$code" == 0 && "$out" == 'Exported 2 note(s) to C:\out\notes.' ]] || e2e_fail "the notes export said '$out$err' ($code)"
"$PYTHON" - "$WINEPREFIX/drive_c/out/notes" <<'PY' || e2e_fail "the notes' files are not as expected"
import os, sys
folder = sys.argv[1]
names = sorted(os.listdir(folder))
assert names == ["Note 2 - Shopping_ milk_bread_.txt", "Note 40 - CON.txt"], names
text = open(os.path.join(folder, names[0]), "rb").read().decode("utf-8")
assert text == "Note 2 - Shopping: milk/bread?\r\n\r\nShopping: milk/bread?\r\nCaf\u00e9 \u20ac\r\n", repr(text)
PY

# Bad arguments, and a file that cannot be written: their codes and lines, on the error output.
run --export-ics
[[ "$code" == 2 && "$err" == '--export-ics needs the file to write. Usage: '* ]] || e2e_fail "bad arguments: $code '$err'"
run --export-ics 'C:\out\x.ics' --year 99
[[ "$code" == 2 && "$err" == 'The year 99 is not one of 100 to 9999.'* ]] || e2e_fail "a bad year: $code '$err'"
run --export-ics 'C:\no such folder\x.ics'
[[ "$code" == 4 && "$err" == 'Nothing exported: C:\no such folder\x.ics cannot be written: '* ]] ||
    e2e_fail "an unwritable file: $code '$err'"

e2e_running "$E2E_PID" || e2e_fail "the running program ended"

# The exchange button on the calendar window: its yellow arrows, and its menu on a click.
e2e_show_calendar || e2e_fail "a right press on the tray icon did not show the calendar window"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1
e2e_screenshot "$E2E_WORK/calendar.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/calendar.png" "$E2E_SHOTS/exchange-button.png"; fi
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
read -r r g b <<<"$(pixel "$E2E_WORK/calendar.png" $((X + 586 + 20)) $((Y + 58 + 10)))"
((r > 200 && g > 140 && b < 140)) || e2e_fail "no yellow arrow on the exchange button: $r $g $b"
read -r r g b <<<"$(pixel "$E2E_WORK/calendar.png" $((X + 586 + 3)) $((Y + 58 + 15)))"
((b > r + 60)) || e2e_fail "the exchange button's blue pill is missing: $r $g $b"
xdotool mousemove $((X + 601)) $((Y + 73)) click 1
sleep 1
e2e_screenshot "$E2E_WORK/menu.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/menu.png" "$E2E_SHOTS/exchange-menu.png"; fi
# The menu opens below the button: the screen there changed.
below() { convert "$1" -crop "180x90+$((X + 586))+$((Y + 90))" +repage "$2"; }
below "$E2E_WORK/calendar.png" "$E2E_WORK/below-before.png"
below "$E2E_WORK/menu.png" "$E2E_WORK/below-menu.png"
changed="$(compare -metric AE "$E2E_WORK/below-before.png" "$E2E_WORK/below-menu.png" null: 2>&1 || true)"
((${changed%% *} > 2000)) || e2e_fail "no menu below the exchange button ($changed pixels changed)"
# Its first item, the shown year, through the system's save dialog: the file appears, and the
# program's message says so.
xdotool mousemove $((X + 586 + 60)) $((Y + 88 + 12)) click 1
dialog() { xdotool search --onlyvisible --name '^Export iCalendar$' 2>/dev/null | head -n 1; }
e2e_wait_until 15 dialog || e2e_fail "no save dialog after the menu's first item"
sleep 1
e2e_screenshot "$E2E_WORK/save-dialog.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/save-dialog.png" "$E2E_SHOTS/exchange-save-dialog.png"; fi
xdotool key ctrl+a
xdotool type --delay 30 'C:\out\from-window.ics'
xdotool key Return
e2e_wait_until 15 test -s "$WINEPREFIX/drive_c/out/from-window.ics" || e2e_fail "the save dialog's file was not written"
grep -q 'SUMMARY:Dentist \[14:15\]' "$WINEPREFIX/drive_c/out/from-window.ics" || e2e_fail "the window's export lacks a line"
message() { xdotool search --onlyvisible --name '^Orvane Notes$' 2>/dev/null | head -n 1; }
e2e_wait_until 10 message || e2e_fail "no message after the export"
sleep 0.5
e2e_screenshot "$E2E_WORK/exported.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/exported.png" "$E2E_SHOTS/exchange-exported.png"; fi
xdotool key Return
e2e_running "$E2E_PID" || e2e_fail "the program ended at the export"

# An import through the open dialog: the preview lists the new day and the one added after the
# 7th's line, and Import saves both into the year's file at once.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//e2e//EN\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20261220\r\nSUMMARY:Party\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20261207\r\nSUMMARY:Call the bank\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' \
    >"$WINEPREFIX/drive_c/out/in.ics"
sleep 0.5
xdotool mousemove $((X + 601)) $((Y + 73)) click 1
sleep 1
xdotool mousemove $((X + 586 + 60)) $((Y + 88 + 72)) click 1
opening() { xdotool search --onlyvisible --name '^Import iCalendar$' 2>/dev/null | head -n 1; }
e2e_wait_until 15 opening || e2e_fail "no open dialog after the menu's Import item"
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 'C:\out\in.ics'
xdotool key Return
preview() { xdotool search --onlyvisible --name '^Import$' 2>/dev/null | head -n 1; }
e2e_wait_until 15 preview || e2e_fail "no preview after the open dialog"
sleep 1
e2e_screenshot "$E2E_WORK/preview.png"
if [[ -n "${E2E_SHOTS:-}" ]]; then cp "$E2E_WORK/preview.png" "$E2E_SHOTS/exchange-preview.png"; fi
[[ "$(sed -n "$((11 * 31 + 20))p" "$E2E_DATA/Diary/2026" | tr -d '\r')" == "#####" ]] || e2e_fail "the preview wrote already"
eval "$(xdotool getwindowgeometry --shell "$(preview)" | sed 's/^/P/')"
xdotool mousemove $((PX + 314 + 55)) $((PY + 378 + 15)) click 1
line_is() { [[ "$(sed -n "$((11 * 31 + $1))p" "$E2E_DATA/Diary/2026" | tr -d '\r')" == "$2" ]]; }
e2e_wait_until 15 line_is 20 "#####Party" || e2e_fail "Import did not save the new day"
line_is 7 "BR###Dentist [14:15], bring the card; ask about \\ fees <> Call the bank" ||
    e2e_fail "the clash was not added after the line: $(sed -n "$((11 * 31 + 7))p" "$E2E_DATA/Diary/2026")"
e2e_wait_until 10 message || e2e_fail "no message after the import"
xdotool key Return

# The round trip: the command line's export of the year, imported through the window into an empty
# data folder, gives back the year's lines with their formats and the recurring notes. Only the
# 1 March code without a text is no line to export.
wineserver -k
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the program did not end"
mv "$E2E_DATA" "$E2E_WORK/NotesDat-before-round-trip"
e2e_first_run_tree "$E2E_DATA"
e2e_start
e2e_wait_until 60 tray_shown || e2e_fail "the program did not start again in an empty data folder"
e2e_show_calendar || e2e_fail "the calendar did not show in the empty data folder"
eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
sleep 1
xdotool mousemove $((X + 601)) $((Y + 73)) click 1
sleep 1
xdotool mousemove $((X + 586 + 60)) $((Y + 88 + 72)) click 1
e2e_wait_until 15 opening || e2e_fail "no open dialog for the round trip"
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 'C:\out\diary.ics'
xdotool key Return
e2e_wait_until 15 preview || e2e_fail "no preview of the exported calendar"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$(preview)" | sed 's/^/P/')"
xdotool mousemove $((PX + 314 + 55)) $((PY + 378 + 15)) click 1
sed "$((2 * 31 + 1))s/^B####\r\$/#####\r/" "$E2E_WORK/year-as-prepared" >"$E2E_WORK/year-expected"
e2e_wait_until 15 cmp -s "$E2E_WORK/year-expected" "$E2E_DATA/Diary/2026" ||
    e2e_fail "the year came back otherwise: $(diff <(tr -d '\r' <"$E2E_WORK/year-expected") <(tr -d '\r' <"$E2E_DATA/Diary/2026") | head -n 6)"
cmp -s "$E2E_WORK/reminder-as-prepared" "$E2E_DATA/Reminder" ||
    e2e_fail "the recurring notes came back otherwise: $(diff <(tr -d '\r' <"$E2E_WORK/reminder-as-prepared") <(tr -d '\r' <"$E2E_DATA/Reminder") | head -n 6)"
e2e_wait_until 10 message || e2e_fail "no message after the round trip's import"
xdotool key Return

echo "PASS: open formats"
