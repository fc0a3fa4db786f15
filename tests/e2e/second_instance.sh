#!/usr/bin/env bash
# A second start while the program runs ends at once and changes nothing in the data folder.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

expected="$E2E_WORK/expected/NotesDat"
e2e_first_run_tree "$expected"
e2e_start
first="$E2E_PID"
e2e_wait_until 60 e2e_same_tree "$expected" "$E2E_DATA" || e2e_fail "the first instance did not prepare its data"
sleep 2
before="$(e2e_listing "$E2E_DATA")"

e2e_start
second="$E2E_PID"
e2e_wait_exit "$second" 10 || e2e_fail "the second instance is still running after 10 s"
sleep 1
after="$(e2e_listing "$E2E_DATA")"
e2e_expect_same_listing "$before" "$after" "the second instance changed the data folder"
e2e_running "$first" || e2e_fail "the first instance ended"
echo "PASS: second instance"
