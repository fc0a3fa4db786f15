#!/usr/bin/env bash
# A data folder that lacks only Names gets only Names; every other file keeps its bytes and its
# modification time. (The start also takes the day's backup, into Backup and its record BackupsMade:
# those are not looked at.)
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

expected="$E2E_WORK/expected/NotesDat"
e2e_first_run_tree "$expected"
e2e_first_run_tree "$E2E_DATA"
# Files the user already had: a settings file unlike the defaults, a note in the database.
printf 'RESUME\r\nArial\r\n10\r\n1\r\n&H00FF0000\r\n&H00FFFFFF\r\n0\r\n1\r\n' | tee "$expected/Notes.ini" >"$E2E_DATA/Notes.ini"
printf '\x05\x00Hello' | dd of="$expected/Notes" bs=1 seek=4002 conv=notrunc status=none
cp "$expected/Notes" "$E2E_DATA/Notes"
rm "$E2E_DATA/Names"
find "$E2E_DATA" -exec touch -d '2021-03-04 05:06:07' {} +
before="$(e2e_listing "$E2E_DATA")"

e2e_start
e2e_wait_until 60 test -f "$E2E_DATA/Names" || e2e_fail "Names was not made again"
sleep 2
diff -r -x 'Backup*' "$expected" "$E2E_DATA" >&2 || e2e_fail "the data folder is not the old one plus Names"
after="$(e2e_listing "$E2E_DATA" | grep -v ' ./Names$' | grep -v ' \./Backup')"
unchanged="$(echo "$before" | grep -v '^folder')"
changed="$(echo "$after" | grep -v '^folder')"
e2e_expect_same_listing "$unchanged" "$changed" "files other than Names were rewritten"
echo "PASS: missing Names"
