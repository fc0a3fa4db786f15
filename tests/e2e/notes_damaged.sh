#!/usr/bin/env bash
# A notes file of random bytes, as a damaged disk may leave it, does not keep the program from
# starting: every record opens as a note, the tray icon comes, and the file stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/notes_lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
notes_random_database "$E2E_DATA/Notes" 20261207
before="$(sha256sum <"$E2E_DATA/Notes")"

e2e_start
e2e_wait_until 90 notes_tray_shown || e2e_fail "no tray icon: the program did not finish starting"
sleep 2
e2e_running "$E2E_PID" || e2e_fail "the program ended"
opened="$(notes_windows | wc -l)"
[[ "$opened" == 40 ]] || e2e_fail "$opened notes opened, not 40"
[[ "$(sha256sum <"$E2E_DATA/Notes")" == "$before" ]] || e2e_fail "opening the damaged notes changed the database"
echo "PASS: damaged notes"
