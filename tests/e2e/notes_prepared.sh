#!/usr/bin/env bash
# A stored note opens at its place, in its size and colours, before anything is touched; its
# record stays as it was. A note of the minimum width shows its title strip whole, and a damaged
# record that asks for a note larger than the screen opens no larger than the screen.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
# Dark blue text (&H904000) on light green (&HA0C0A0), bold, left aligned, Arial 10.
stored="$(notes_header 300 200 250 160 0 0 1 10 Arial '&H904000' '&HA0C0A0')Prepared note"
[[ ${#stored} == $((70 + 13)) ]] || e2e_fail "the prepared record is malformed"
notes_store_record 12 "$stored"
# Opened first, so the others lie above it.
huge="$(notes_header 99999 99999 99999 99999 0 2 0 8 Arial '&H0' '&HFFFFFF')Damaged"
notes_store_record 1 "$huge"
narrow="$(notes_header 600 500 120 60 0 2 0 8 Arial '&H0' '&HFFFFFF')Narrow"
notes_store_record 13 "$narrow"
before="$(sha256sum <"$E2E_DATA/Notes")"

e2e_start
three_notes_open() { (($(notes_windows | wc -l) == 3)); }
e2e_wait_until 60 three_notes_open || e2e_fail "the stored notes did not open"
note="" bigNote=""
for window in $(notes_windows); do
    case "$(notes_geometry "$window")" in
        "300 200 250 160") note="$window" ;;
        "600 500 120 60") ;;
        *) bigNote="$window" ;;
    esac
done
[[ -n "$note" ]] || e2e_fail "no note at 300 200 250 160"
read -r x y width height < <(notes_geometry "$bigNote")
((x >= 0 && y >= 0 && x + width <= 1024 && y + height <= 768)) ||
    e2e_fail "the damaged note is larger than the screen: $x $y $width $height"

# Away from its text, the text box shows the note's background colour.
sleep 1
e2e_screenshot "$E2E_WORK/prepared.png"
colour="$(convert "$E2E_WORK/prepared.png" -format '%[hex:p{450,320}]' info: 2>/dev/null | cut -c1-6)"
[[ "${colour^^}" == "A0C0A0" ]] || e2e_fail "background of the text box is $colour, not A0C0A0"

# The narrow note's title strip (94 pixels from 612) is squeezed evenly: the dotted ridge along
# its row 7 darkens every stretch of it, compared with the strip's plain start.
ridge="$(convert "$E2E_WORK/prepared.png" -crop 94x1+612+507 -depth 8 txt:- | awk -F'[(),]' '/^[0-9]/ { print $4 }')"
mapfile -t green <<<"$ridge"
((${#green[@]} == 94)) || e2e_fail "no title strip read"
plain=${green[0]}
for ((x = 3; x + 6 <= 91; x++)); do
    ink=0
    for ((k = x; k < x + 6; k++)); do ink=$((ink + (plain > green[k] ? plain - green[k] : 0))); done
    ((ink >= 15)) || e2e_fail "the title ridge is missing around pixel $((612 + x)): ${green[*]:x:6} against $plain"
done
[[ "$(sha256sum <"$E2E_DATA/Notes")" == "$before" ]] || e2e_fail "opening the note rewrote the database"
echo "PASS: prepared note"
