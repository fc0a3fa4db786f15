#!/usr/bin/env bash
# The alarm dialog at 120 DPI (Wine's LogPixels) is the 96-DPI dialog scaled by 1.25: the two
# pictures, the 96-DPI one enlarged, differ in few pixels (text is drawn anew at each size), and
# each of the 31 day boxes keeps the line of the window's blue that divides it from the next, which
# every second pair of boxes lost when the rows were rounded apart from their heights. With
# $DPI_SCREENSHOTS set to a folder, the dialog's pictures are written there as alarm-96dpi.png and
# alarm-120dpi.png.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

alarm_dialog() { xdotool search --onlyvisible --name '^Alarm$' 2>/dev/null | head -n 1; }
tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

# A length at 96 DPI at the DPI being tried, rounded.
at_dpi() { echo $((($1 * dpi * 2 + 96) / 192)); }

# The number of separate runs of the day boxes' colour in the one-pixel column at x = $2 of
# picture $1, from y = $3 to y = $4.
box_runs() {
    convert "$1" -crop "1x$(($4 - $3))+$2+$3" +repage -depth 8 txt:- |
        awk 'NR > 1 { box = ($3 == "#FFFDE5"); if (box && !before) runs++; before = box } END { print runs + 0 }'
}

# Starts the program at $1 DPI, opens the alarm dialog from the calendar window and writes its
# picture to $2.
dialog_picture_at() {
    dpi="$1"
    e2e_log "at $dpi DPI"
    e2e_fresh_data_at_dpi "$dpi"
    e2e_start_at "2026-12-07 10:00:00"
    e2e_wait_until 60 tray_shown || e2e_fail "no tray icon at $dpi DPI"
    e2e_show_calendar_at_dpi || e2e_fail "no calendar window at $dpi DPI"
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$(e2e_main_window)")"
    sleep 1  # let the window settle: shown, activated, painted
    xdotool mousemove $((X + $(at_dpi 700))) $((Y + $(at_dpi 72))) click 1
    e2e_wait_until 20 alarm_dialog || e2e_fail "the Alarms button did not open the alarm dialog at $dpi DPI"
    eval "$(xdotool getwindowgeometry --shell "$(alarm_dialog)")"
    local want_w=$(((7890 * dpi * 2 + 1440) / 2880)) want_h=$(((7950 * dpi * 2 + 1440) / 2880))
    [[ "$WIDTH x $HEIGHT" == "$want_w x $want_h" ]] ||
        e2e_fail "at $dpi DPI the dialog is $WIDTH x $HEIGHT, not $want_w x $want_h"
    # Away from the boxes, and time for the dialog to paint.
    xdotool mousemove $((X + WIDTH - 5)) $((Y + HEIGHT / 2))
    sleep 1
    e2e_screenshot "$E2E_WORK/screen-$dpi.png"
    convert "$E2E_WORK/screen-$dpi.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
    if [[ -n "${DPI_SCREENSHOTS:-}" ]]; then cp "$2" "$DPI_SCREENSHOTS/alarm-${dpi}dpi.png"; fi
}

at96="$E2E_WORK/alarm-96.png"
at120="$E2E_WORK/alarm-120.png"
dialog_picture_at 96 "$at96"
dialog_picture_at 120 "$at120"

# Each of the 31 day boxes is a run of its own in a column through them, at both DPIs (the first
# row starts at 50 at 96 DPI, rows are 15 apart, the box is 216 wide from 40).
for dpi in 96 120; do
    picture="$E2E_WORK/alarm-$dpi.png"
    runs="$(box_runs "$picture" "$(at_dpi 150)" "$(at_dpi 45)" "$(at_dpi $((50 + 15 * 31 + 5)))")"
    [[ "$runs" == 31 ]] || e2e_fail "at $dpi DPI a column through the day boxes crosses $runs boxes, not 31"
done

# The 96-DPI picture enlarged by 1.25 against the 120-DPI one: pixels that differ by more than a
# quarter in colour, after a pixel's blur to forgive edges placed half a pixel apart. Text is drawn
# anew at each size (the hint wraps its lines elsewhere) and accounts for most of the 2% that differ;
# an element out of place by a few pixels, or one not scaled, makes it far more.
scaled="$E2E_WORK/alarm-96-scaled.png" blurred="$E2E_WORK/alarm-120-blurred.png"
convert "$at96" -filter Triangle -resize "$(identify -format '%wx%h' "$at120")!" -blur 0x1 "$scaled"
convert "$at120" -blur 0x1 "$blurred"
differing="$(compare -metric AE -fuzz 25% "$scaled" "$blurred" null: 2>&1 || true)"
total=$(($(identify -format '%w * %h' "$at120")))
e2e_log "pixels that differ: $differing of $total"
[[ "$differing" =~ ^[0-9]+$ ]] || e2e_fail "could not compare the pictures: $differing"
((differing * 100 < total * 4)) || e2e_fail "the 120-DPI dialog differs from the 96-DPI one scaled in $differing pixels"
echo "PASS: alarm dialog at 120 DPI"
