#!/usr/bin/env bash
# A start on a data folder that earlier runs made copies the data files, and only those, into
# NotesDat\Backup\<date> beside them, byte for byte, and leaves the data files as they were.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_first_run_tree "$E2E_DATA"
printf '\x05\x00Hello' | dd of="$E2E_DATA/Notes" bs=1 seek=4002 conv=notrunc status=none
for year in 2025 2026; do
    for ((i = 0; i < 372; i++)); do printf '#####\r\n'; done >"$E2E_DATA/Diary/$year"
done
printf 'B####[9:05] dentist\r\n' | dd of="$E2E_DATA/Diary/2026" bs=1 seek=0 conv=notrunc status=none
mkdir -p "$E2E_DATA/Help"
echo '<html></html>' >"$E2E_DATA/Help/_Help.htm"
printf 'RIFF' >"$E2E_DATA/Alarm.wav"
find "$E2E_DATA" -exec touch -d '2021-03-04 05:06:07' {} +
before="$(e2e_listing "$E2E_DATA")"

expected="$E2E_WORK/expected"
mkdir -p "$expected/Diary"
for name in Notes.ini Notes Names Reminder Alarm Diary/2025 Diary/2026; do cp "$E2E_DATA/$name" "$expected/$name"; done

backup="$E2E_DATA/Backup/2026-12-07"
e2e_start_at "2026-12-07 10:00:00"
e2e_wait_until 60 test -d "$backup" || e2e_fail "no backup folder $backup"
if ! e2e_same_tree "$expected" "$backup"; then
    diff -r "$expected" "$backup" >&2 || true
    e2e_fail "the backup folder does not hold exactly the data files"
fi
[[ "$(ls "$E2E_DATA/Backup")" == "2026-12-07" ]] || e2e_fail "Backup holds more than the day's folder: $(ls "$E2E_DATA/Backup")"
[[ "$(cat "$E2E_DATA/BackupsMade")" == $'2026-12-07\r' ]] || e2e_fail "BackupsMade does not record the copy"
after="$(e2e_listing "$E2E_DATA" | grep -v ' \./Backup')"
e2e_expect_same_listing "$before" "$after" "the data files changed"
e2e_running "$E2E_PID" || e2e_fail "the program ended after its backup"
echo "PASS: daily backup"
