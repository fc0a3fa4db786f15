# Helpers for the end-to-end tests: each test runs the real OrvaneNotes.exe under Wine on a
# virtual X display of its own, in a fresh copy of a Wine prefix, and leaves nothing running.
#
#     source "$(dirname "$0")/lib.sh"
#     e2e_setup "$exe"            # Xvfb, prefix, empty program folder; cleanup on exit
#     e2e_start                   # starts the program; its PID is in $E2E_PID
#     e2e_start_at "2026-12-07 23:59:40"  # the same, its clock starting at that moment
#     e2e_wait_until 30 some_check
#     e2e_tray_click 3            # right press on the tray icon
#     e2e_screenshot shot.png
#
# After e2e_setup: $E2E_PROGRAM is the program folder (Unix path), $E2E_DATA its NotesDat.

set -euo pipefail

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_log() { echo "[e2e] $*" >&2; }

# Everything a test made goes away with it, whether it passes or fails.
e2e_cleanup() {
    set +e
    if [[ -n "${WINEPREFIX:-}" && -d "${WINEPREFIX:-}" ]]; then wineserver -k >/dev/null 2>&1; fi
    if [[ -n "${E2E_XVFB_PID:-}" ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [[ -n "${E2E_WORK:-}" && "${E2E_KEEP:-0}" != 1 ]]; then rm -rf "$E2E_WORK"; fi
}

# Starts a virtual display on a free number (Xvfb picks it) and exports DISPLAY; 1024 x 768 unless
# $E2E_SCREEN names another size ("1600x1200x24").
e2e_start_display() {
    local numberFile="$E2E_WORK/display"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    local waited=0
    while [[ ! -s "$numberFile" ]]; do
        sleep 0.1
        waited=$((waited + 1))
        ((waited < 100)) || e2e_fail "Xvfb did not start"
    done
    export DISPLAY=":$(tr -d '\n' <"$numberFile")"
    e2e_log "display $DISPLAY"
}

# $1: the .exe to test. Makes a work folder, a display, a prefix copy and an empty program folder.
e2e_setup() {
    local exe="$1"
    [[ -f "$exe" ]] || e2e_fail "no program at $exe"
    E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/orvane-e2e.XXXXXX")"
    trap e2e_cleanup EXIT
    trap 'exit 143' TERM INT HUP  # so that a timed-out test still cleans up
    # A copy of the tests' prefix, whatever prefix the caller's environment names.
    local template
    template="$(env -u WINEPREFIX "$E2E_ROOT/tools/wine-run" --prepare)"
    export WINEPREFIX="$E2E_WORK/prefix"
    cp -a "$template" "$WINEPREFIX"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    e2e_start_display
    E2E_PROGRAM="$WINEPREFIX/drive_c/Orvane Notes"
    E2E_DATA="$E2E_PROGRAM/NotesDat"
    mkdir -p "$E2E_PROGRAM"
    cp "$exe" "$E2E_PROGRAM/OrvaneNotes.exe"
}

# Starts the program from its folder in the background; sets E2E_PID.
e2e_start() {
    (cd "$E2E_PROGRAM" && exec wine "C:\\Orvane Notes\\OrvaneNotes.exe") >>"$E2E_WORK/wine.log" 2>&1 &
    E2E_PID=$!
}

# Starts the program like e2e_start, with its clock starting at $1 ("2026-12-07 23:59:40") and
# running on from there (Debian's faketime; Wine takes its time from it).
e2e_start_at() {
    (cd "$E2E_PROGRAM" && exec faketime -f "@$1" wine "C:\\Orvane Notes\\OrvaneNotes.exe") >>"$E2E_WORK/wine.log" 2>&1 &
    E2E_PID=$!
}

e2e_running() { kill -0 "$1" 2>/dev/null; }

# Waits for a process to end; fails after $2 seconds.
e2e_wait_exit() {
    local pid="$1" seconds="$2" tenths=0
    while e2e_running "$pid"; do
        sleep 0.1
        tenths=$((tenths + 1))
        ((tenths < seconds * 10)) || return 1
    done
    wait "$pid" 2>/dev/null || true
}

# Repeats a check (a command and its arguments) until it succeeds; fails after $1 seconds.
e2e_wait_until() {
    local seconds="$1" tenths=0
    shift
    until "$@" >/dev/null 2>&1; do
        sleep 0.1
        tenths=$((tenths + 1))
        ((tenths < seconds * 10)) || return 1
    done
}

# The files a first run creates in an empty program folder, written into $1 (a NotesDat folder).
# Add each new first-run file here.
e2e_first_run_tree() {
    local data="$1" i
    mkdir -p "$data/Diary"
    printf 'NORESUME\r\nMS Sans Serif\r\n8\r\n0\r\n&H00000000\r\n&H0094C2E3\r\n2\r\n0\r\n' >"$data/Notes.ini"
    for ((i = 0; i < 40; i++)); do
        printf '\0\0'
        printf '%4000s' ''
    done >"$data/Notes"
    for ((i = 0; i < 366; i++)); do printf ' \r\n'; done >"$data/Names"
    for ((i = 0; i < 366; i++)); do printf '\r\n'; done >"$data/Reminder"
    { printf ' 1 \r\n'; for ((i = 0; i < 38; i++)); do printf '\r\n'; done; } >"$data/Alarm"
}

# Every file and folder below $1 with its checksum (folders marked), sorted, one per line.
e2e_listing() {
    (cd "$1" && find . -mindepth 1 | LC_ALL=C sort | while IFS= read -r entry; do
        if [[ -d "$entry" ]]; then
            echo "folder $entry"
        else
            echo "$(sha256sum <"$entry" | cut -c1-64) $(stat -c %Y "$entry") $entry"
        fi
    done)
}

# True when the two folders hold the same files and folders with the same bytes.
e2e_same_tree() { diff -r "$1" "$2" >/dev/null 2>&1; }

# Fails with $3, showing the difference, unless the listings $1 and $2 are the same.
e2e_expect_same_listing() {
    [[ "$1" == "$2" ]] && return 0
    diff <(echo "$1") <(echo "$2") >&2 || true
    e2e_fail "$3"
}

# ---- the tray and the screen ------------------------------------------------------------------

# The X window of Wine's notification area (shown when no desktop tray is there).
e2e_tray_window() { { xdotool search --name "Wine System Tray" 2>/dev/null || true; } | head -n 1; }

# Presses and releases mouse button $1 (1 left, 3 right) on the tray's icon number $2 (from 1).
e2e_tray_click() {
    local button="$1" index="${2:-1}" window x y width height
    window="$(e2e_tray_window)"
    [[ -n "$window" ]] || e2e_fail "no Wine System Tray window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    x=$((X + (index - 1) * HEIGHT + HEIGHT / 2))
    y=$((Y + HEIGHT / 2))
    xdotool mousemove "$x" "$y" click "$button"
}

e2e_double_click_tray() {
    local window
    window="$(e2e_tray_window)"
    [[ -n "$window" ]] || e2e_fail "no Wine System Tray window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + HEIGHT / 2)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 80 1
}

# The whole virtual screen as an image file.
e2e_screenshot() { import -display "$DISPLAY" -window root "$1"; }

# The calendar window, when it is shown.
e2e_main_window() { xdotool search --onlyvisible --name '^Diar$' 2>/dev/null | head -n 1; }

# A right press on the tray icon until the calendar window shows (a busy start-up may still be
# settling at the first one).
e2e_show_calendar() {
    local try
    for try in 1 2 3; do
        e2e_tray_click 3
        e2e_wait_until 15 e2e_main_window && return 0
        e2e_log "no calendar window after right press $try"
    done
    return 1
}

# Ends any program of the prefix and gives it a fresh first-run data folder, with today's day
# message counted as seen, and Wine's DPI (LogPixels) set to $1 for the next start.
e2e_fresh_data_at_dpi() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w || true
    rm -rf "$E2E_DATA"
    e2e_first_run_tree "$E2E_DATA"
    sed -i "1s/^NORESUME/07.12.2026/" "$E2E_DATA/Notes.ini"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
        e2e_fail "could not set LogPixels"
}

# e2e_show_calendar when Wine's LogPixels is not 96: the tray window grows with the DPI, its
# caption too, and its first icon lies in the lower half at the left, wherever the caption ends.
e2e_show_calendar_at_dpi() {
    local try window X Y WIDTH HEIGHT SCREEN WINDOW
    for try in 1 2 3; do
        window="$(e2e_tray_window)"
        [[ -n "$window" ]] || e2e_fail "no Wine System Tray window"
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove $((X + HEIGHT / 4 + 1)) $((Y + HEIGHT * 3 / 4)) click 3
        e2e_wait_until 15 e2e_main_window && return 0
        e2e_log "no calendar window after right press $try"
    done
    return 1
}
