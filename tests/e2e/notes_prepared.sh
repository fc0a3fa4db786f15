#!/usr/bin/env bash
# A stored note opens at its place, in its size and colours, before anything is touched; its
# record stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
# Dark blue text (&H904000) on light green (&HA0C0A0), bold, left aligned, Arial 10.
stored="$(notes_header 300 200 250 160 0 0 1 10 Arial '&H904000' '&HA0C0A0')Prepared note"
[[ ${#stored} == $((70 + 13)) ]] || e2e_fail "the prepared record is malformed"
notes_store_record 12 "$stored"
before="$(sha256sum <"$E2E_DATA/Notes")"

e2e_start
e2e_wait_until 60 notes_window_exists || e2e_fail "the stored note did not open"
note="$(notes_windows | head -n 1)"
[[ "$(notes_geometry "$note")" == "300 200 250 160" ]] || e2e_fail "stored note at $(notes_geometry "$note")"

# Away from its text, the text box shows the note's background colour.
sleep 1
e2e_screenshot "$E2E_WORK/prepared.png"
colour="$(convert "$E2E_WORK/prepared.png" -format '%[hex:p{450,320}]' info: 2>/dev/null | cut -c1-6)"
[[ "${colour^^}" == "A0C0A0" ]] || e2e_fail "background of the text box is $colour, not A0C0A0"
[[ "$(sha256sum <"$E2E_DATA/Notes")" == "$before" ]] || e2e_fail "opening the note rewrote the database"
echo "PASS: prepared note"
