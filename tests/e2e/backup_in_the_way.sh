#!/usr/bin/env bash
# Links and files where the day's backup wants its scratch folder: a link to a folder outside the
# data folder (and one to an empty folder) is never followed, what it leads to stays whole, and
# the day's copy is made; so it is when a plain file holds the scratch folder's name.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
backups="$E2E_DATA/Backup"
elsewhere="$E2E_WORK/Photos"
mkdir -p "$backups" "$elsewhere/Trip" "$E2E_WORK/Empty"
echo "a" >"$elsewhere/a.jpg"
echo "b" >"$elsewhere/Trip/b.jpg"
ln -s "$elsewhere" "$backups/2026-12-07.tmp"
ln -s "$E2E_WORK/Empty" "$backups/2026-12-06.tmp"
before="$(e2e_listing "$elsewhere")"

# Today's copy holds the data files whole; the program runs on.
expect_todays_copy() {
    local name
    e2e_wait_until 60 test -d "$backups/2026-12-07" || e2e_fail "$1: no backup folder: $(ls -la "$backups")"
    for name in Notes.ini Notes Names Reminder Alarm; do
        cmp -s "$E2E_DATA/$name" "$backups/2026-12-07/$name" || e2e_fail "$1: $name was not copied whole"
    done
    e2e_running "$E2E_PID" || e2e_fail "$1: the program ended after its backup"
}

e2e_start_at "2026-12-07 10:00:00"
expect_todays_copy "links in the way"
e2e_expect_same_listing "$before" "$(e2e_listing "$elsewhere")" "the folder a link led to changed"
[[ -d "$E2E_WORK/Empty" ]] || e2e_fail "the empty folder a link led to was removed"
wineserver -k
e2e_wait_exit "$E2E_PID" 20 || e2e_fail "the program did not end"

rm -rf "$backups"
mkdir -p "$backups"
echo "mine" >"$backups/2026-12-07.tmp"
e2e_start_at "2026-12-07 11:00:00"
expect_todays_copy "a file in the way"
[[ "$(cat "$backups/2026-12-07.tmp")" == "mine" ]] || e2e_fail "the file in the way was changed or removed"
echo "PASS: backup with links and files in the way"
