#!/usr/bin/env bash
# One layout at every DPI: at 96, 120 and 144 DPI (Wine's LogPixels) the calendar window and its
# elements (the year title, the day lines, today's date) grow together with the screen's DPI,
# today's date reads whole, nothing hidden below the window shows, and a stored note reopens at
# its stored pixels. With $DPI_SCREENSHOTS set to a folder, the window's pictures at 96 and 144
# DPI are written there as calendar-96dpi.png and calendar-144dpi.png.
export E2E_SCREEN=1600x1200x24  # the window at 144 DPI is 1173 x 810
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

note_place="1350 1000 200 150"

# Colour bounds within a part of a picture: "left top right bottom" of the pixels of colour $2
# (within 2%) in the $3 x $4 area at $5, $6 of picture $1, in the picture's coordinates.
colour_bounds() {
    local picture="$1" colour="$2" w="$3" h="$4" x="$5" y="$6" box
    box="$(convert "$picture" -crop "${w}x${h}+${x}+${y}" +repage -alpha off -fuzz 2% -fill '#FF00FF' -opaque "$colour" \
        -fuzz 0 -fill black +opaque '#FF00FF' -fill white -opaque '#FF00FF' -bordercolor black -border 1 -format '%@' info:)"
    [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    local bw=${BASH_REMATCH[1]} bh=${BASH_REMATCH[2]} bx=${BASH_REMATCH[3]} by=${BASH_REMATCH[4]}
    # The 1-pixel border keeps a corner black; take it off again.
    echo "$((x + bx - 1)) $((y + by - 1)) $((x + bx - 1 + bw - 1)) $((y + by - 1 + bh - 1))"
}

# A length at 96 DPI at the DPI being tried, rounded.
at_dpi() { echo $((($1 * dpi * 2 + 96) / 192)); }

# True when $1 is within $3 pixels of $2.
near() { (($1 - $2 <= $3 && $2 - $1 <= $3)); }

declare -A at96

run_at() {
    dpi="$1"
    e2e_log "at $dpi DPI"
    e2e_fresh_data_at_dpi "$dpi"
    read -r nx ny nw nh <<<"$note_place"
    notes_store_record 5 "$(notes_header "$nx" "$ny" "$nw" "$nh" 0 2 0 8 Arial '&H0' '&HFFFFFF')Kept where it was"

    # One day, so that today's date is the same text at every run.
    e2e_start_at "2026-12-07 10:00:00"
    e2e_wait_until 60 notes_tray_shown || e2e_fail "no tray icon at $dpi DPI"
    e2e_wait_until 30 notes_window_exists || e2e_fail "the stored note did not open at $dpi DPI"
    local note
    note="$(notes_windows | head -n 1)"
    [[ "$(notes_geometry "$note")" == "$note_place" ]] ||
        e2e_fail "at $dpi DPI the note is at $(notes_geometry "$note"), not its stored $note_place"

    e2e_show_calendar_at_dpi || e2e_fail "no calendar window at $dpi DPI"
    local window X Y WIDTH HEIGHT SCREEN WINDOW
    window="$(e2e_main_window)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local want_w=$(((11730 * dpi * 2 + 1440) / 2880)) want_h=$(((8100 * dpi * 2 + 1440) / 2880))
    [[ "$WIDTH x $HEIGHT" == "$want_w x $want_h" ]] ||
        e2e_fail "at $dpi DPI the window is $WIDTH x $HEIGHT, not $want_w x $want_h"
    sleep 1  # let the window paint
    local shot="$E2E_WORK/screen-$dpi.png" picture="$E2E_WORK/window-$dpi.png"
    e2e_screenshot "$shot"
    convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$picture"
    if [[ -n "${DPI_SCREENSHOTS:-}" ]]; then cp "$picture" "$DPI_SCREENSHOTS/calendar-${dpi}dpi.png"; fi

    # The year title's dark shadow, the day lines' paper and today's white date, each looked for
    # in the area of its element at this DPI, with a margin around it.
    local title lines today
    title="$(colour_bounds "$picture" '#003960' "$(at_dpi 100)" "$(at_dpi 40)" "$(at_dpi 590)" "$(at_dpi 95)")" ||
        e2e_fail "no year title at $dpi DPI"
    lines="$(colour_bounds "$picture" '#FFFDE5' "$(at_dpi 440)" "$(at_dpi 480)" "$(at_dpi 70)" "$(at_dpi 50)")" ||
        e2e_fail "no day lines at $dpi DPI"
    today="$(colour_bounds "$picture" '#FFFFFF' "$(at_dpi 76)" "$(at_dpi 17)" "$(at_dpi 687)" "$(at_dpi 506)")" ||
        e2e_fail "no date on the today button at $dpi DPI"
    e2e_log "$dpi DPI: title $title, day lines $lines, today $today"

    # Nothing but the window's blue below the day panel, where the hidden focus box lies at 96 DPI.
    local below
    below="$(convert "$picture" -crop "$(at_dpi 500)x$((HEIGHT - $(at_dpi 530)))+0+$(at_dpi 530)" +repage \
        -unique-colors -format '%k %[hex:p{0,0}]' info:)"
    [[ "${below% *}" == 1 && "${below#* }" == 006090* ]] ||
        e2e_fail "at $dpi DPI something shows below the day panel ($below)"

    # The day lines span from 75 to 492 across, from the first day's row down.
    local left top right bottom
    read -r left top right bottom <<<"$lines"
    near "$left" "$(at_dpi 75)" 2 && near "$right" "$(at_dpi 492)" 2 && near "$top" "$(at_dpi 53)" 2 ||
        e2e_fail "at $dpi DPI the day lines lie at $lines"

    # Today's date lies inside its label with room to spare on both sides: not cut off.
    read -r left top right bottom <<<"$today"
    ((left > $(at_dpi 687) && right < $(at_dpi 687) + $(at_dpi 76) - 1)) ||
        e2e_fail "at $dpi DPI today's date fills its label ($today): it is cut off"

    if ((dpi == 96)); then
        at96[title]="$title" at96[today]="$today"
        return
    fi
    # The year title and today's date at 96 DPI, scaled: the same places and sizes within a few
    # pixels (text is drawn anew at each size, so it differs a little).
    local what l0 t0 r0 b0 box
    for what in title today; do
        [[ $what == title ]] && box="$title" || box="$today"
        read -r l0 t0 r0 b0 <<<"${at96[$what]}"
        read -r left top right bottom <<<"$box"
        near "$left" "$(at_dpi "$l0")" 4 && near "$right" "$(at_dpi "$r0")" 4 &&
            near "$top" "$(at_dpi "$t0")" 4 && near "$bottom" "$(at_dpi "$b0")" 4 ||
            e2e_fail "at $dpi DPI the $what is at $box, not at ${at96[$what]} scaled"
    done
}

for dpi in 96 120 144; do run_at "$dpi"; done
echo "PASS: screen DPI"
