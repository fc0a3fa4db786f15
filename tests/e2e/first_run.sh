#!/usr/bin/env bash
# A first start in an empty program folder makes the data folder with exactly the first-run
# files, byte for byte, leaves no scratch file behind and keeps running in the tray.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

expected="$E2E_WORK/expected/NotesDat"
e2e_first_run_tree "$expected"

e2e_start
if ! e2e_wait_until 60 e2e_same_tree "$expected" "$E2E_DATA"; then
    diff -r "$expected" "$E2E_DATA" >&2 || true
    e2e_fail "the data folder is not what a first run makes"
fi
sleep 2  # anything written late (a scratch file, a second write) shows now
diff -r "$expected" "$E2E_DATA" >&2 || e2e_fail "the data folder changed after the first run"
e2e_running "$E2E_PID" || e2e_fail "the program ended after its first run"
echo "PASS: first run"
