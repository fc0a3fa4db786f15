#!/usr/bin/env bash
# The Wine benchmark: OrvaneNotes.exe against the floor program (bench/wine/floor.cpp), run
# interleaved in one run on a virtual display and in a Wine prefix of their own, with a table of
# medians, min-max and ratios at the end.
#
#     bench/wine/bench.sh WINDOWS_BUILD NATIVE_BUILD
#
# BENCH_PAIRS   pairs of runs (default 7): each pair runs the program and the floor once each,
#               in alternating order
# BENCH_SETS    what to measure (default "tray words unbroken y"): tray = the empty database
#               (start to tray icon, first calendar, new note, idle memory); words, unbroken, y =
#               a start with 40 full notes of that kind (see bench/bench_data.h)
# BENCH_WARM    1 (default): a first, uncounted start of each warms the prefix
# BENCH_PROGRAM the OrvaneNotes.exe to measure (default: the one in WINDOWS_BUILD)
# BENCH_TIMEOUT seconds a start may take before it counts as failed (default 120)
# BENCH_QUIET   milliseconds without drawing after which a window counts as painted (default 300)
#
# Times: "start" counts from the program's first X window (Wine's own start-up before it is the
# same for both and left out; the table also shows it counted from the exec). Painted means: the
# windows are mapped and nothing was drawn for BENCH_QUIET ms afterwards; the time is that of the
# last drawing. Private memory: Private_Clean + Private_Dirty of the idle process (smaps_rollup).
set -euo pipefail

win_build="$(cd "$1" && pwd)"
native_build="$(cd "$2" && pwd)"
pairs="${BENCH_PAIRS:-7}"
sets="${BENCH_SETS:-tray words unbroken y}"
quiet="${BENCH_QUIET:-300}"
root="$(cd "$(dirname "$0")/../.." && pwd)"

program_exe="${BENCH_PROGRAM:-$win_build/OrvaneNotes.exe}"  # BENCH_PROGRAM: another build of it
floor_exe="${BENCH_FLOOR:-$win_build/bench/bench_floor.exe}"
xwatch="$native_build/bench/bench_xwatch"
make_data="$native_build/bench/make_bench_data"
for f in "$program_exe" "$floor_exe" "$xwatch" "$make_data"; do
    [[ -x "$f" ]] || { echo "bench: $f is missing; build it first (tools/bench does)" >&2; exit 1; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/orvane-bench.XXXXXX")"
xvfb_pid=""
cleanup() {
    set +e
    [[ -n "${WINEPREFIX:-}" && -d "$WINEPREFIX" ]] && wineserver -k >/dev/null 2>&1
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo bench: TERM >&2; exit 143' TERM; trap 'echo bench: INT >&2; exit 143' INT; trap 'echo bench: HUP >&2; exit 143' HUP

# A prefix of our own: a copy of the tests' prefix (no window manager, no Mono or Gecko).
template="$(env -u WINEPREFIX "$root/tools/wine-run" --prepare)"
export WINEPREFIX="$work/prefix"
cp -a "$template" "$WINEPREFIX"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_bin="$(command -v wine64 || true)"
[[ -x /usr/lib/wine/wine64 ]] && wine_bin=/usr/lib/wine/wine64
[[ -n "$wine_bin" ]] || wine_bin="$(command -v wine)"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"

# One folder per program and data set, each with a pristine copy of its NotesDat to restore.
prepare() {  # name exe notes kind
    local dir="$WINEPREFIX/drive_c/bench/$1" name=OrvaneNotes.exe
    [[ "$1" == floor* ]] && name=bench_floor.exe
    mkdir -p "$dir"
    cp "$2" "$dir/$name"
    "$make_data" "$dir/pristine" "$3" "$4" 0
}
prepare program "$program_exe" 0 words
prepare floor "$floor_exe" 0 words
for kind in words unbroken y; do
    prepare "program-$kind" "$program_exe" 40 "$kind"
    prepare "floor-$kind" "$floor_exe" 40 "$kind"
done

wineserver -p
results="$work/results"
: >"$results"
record() { echo "$1 $2" >>"$results"; }  # measure value

running_pid=""
start_in() {  # folder exe name count [arguments] -> sets running_pid, prints nothing
    local dir="$WINEPREFIX/drive_c/bench/$1" exe="$2" name="$3" count="$4" out
    shift 4
    rm -rf "$dir/NotesDat"
    cp -a "$dir/pristine/NotesDat" "$dir/NotesDat"
    out="$(cd "$dir" && "$xwatch" launch "$name" "$count" "$quiet" "${BENCH_TIMEOUT:-120}" -- setsid "$wine_bin" "C:\\bench\\${dir##*/}\\$exe" "$@")" || {
        echo "bench: $exe in $1 did not show $count window(s) named $name: $out" >&2
        running_pid="${out#pid=}"; running_pid="${running_pid%% *}"
        return 1
    }
    running_pid="$(sed 's/^pid=\([0-9]*\).*/\1/' <<<"$out")"
    start_exec_ms="$(sed 's/.*exec_ms=\([0-9.]*\).*/\1/' <<<"$out")"
    start_window_ms="$(sed 's/.*window_ms=\([0-9.-]*\).*/\1/' <<<"$out")"
}

private_kb() {
    awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0
}

stop_running() {
    [[ -n "$running_pid" ]] || return 0
    kill "$running_pid" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$running_pid" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$running_pid" 2>/dev/null || true
    wait "$running_pid" 2>/dev/null || true
    running_pid=""
    # The tray empties when the program is gone.
    for _ in $(seq 100); do "$xwatch" geometry "Wine System Tray" >/dev/null 2>&1 || break; sleep 0.05; done
}

tray_click() {  # button clicks name -> prints ms
    local x y w h
    read -r x y w h < <("$xwatch" geometry "Wine System Tray")
    "$xwatch" click $((x + h / 2)) $((y + h / 2)) "$1" "$2" "$3" "$quiet" 30 | sed 's/^ms=//'
}

run_tray() {  # who (program|floor) exe
    start_in "$1" "$2" "Wine System Tray" 1 || { stop_running; return 1; }
    record "$1.tray" "$start_window_ms"
    record "$1.tray_exec" "$start_exec_ms"
    sleep 1
    record "$1.mem0" "$(private_kb "$running_pid")"
    local ms
    ms="$(tray_click 3 1 Diar)" && record "$1.calendar" "$ms"
    ms="$(tray_click 1 2 Poznamky)" && record "$1.newnote" "$ms"
    stop_running
}

run_notes() {  # who kind exe [arguments]
    local who="$1" kind="$2" exe="$3"
    shift 3
    start_in "$who-$kind" "$exe" Poznamky 40 "$@" || { stop_running; return 1; }
    record "$who.$kind" "$start_window_ms"
    record "$who.${kind}_exec" "$start_exec_ms"
    if [[ "$kind" == words ]]; then
        sleep 1
        record "$who.mem40" "$(private_kb "$running_pid")"
    fi
    stop_running
}

run_one() {  # who set
    local exe=OrvaneNotes.exe args=()
    if [[ "$1" == floor ]]; then
        exe=bench_floor.exe
        [[ "$2" != tray ]] && args=(notes)
    fi
    if [[ "$2" == tray ]]; then run_tray "$1" "$exe"; else run_notes "$1" "$2" "$exe" "${args[@]}"; fi
}

# A first start of each warms the prefix (explorer, fonts, file cache); it is not counted.
if [[ "${BENCH_WARM:-1}" == 1 ]]; then
    run_one floor tray >/dev/null 2>&1 || true
    run_one program tray >/dev/null 2>&1 || true
    : >"$results"
fi

for ((pair = 1; pair <= pairs; pair++)); do
    for set in $sets; do
        if ((pair % 2)); then order="program floor"; else order="floor program"; fi
        for who in $order; do run_one "$who" "$set" || echo "bench: pair $pair, $who $set failed" >&2; done
    done
    echo "bench: pair $pair of $pairs done" >&2
done

# ---- the table ----------------------------------------------------------------------------------
stats() {  # key -> "median min max n" (or "- - - 0")
    awk -v key="$1" '$1 == key { v[n++] = $2 } END {
        if (n == 0) { print "- - - 0"; exit }
        for (i = 0; i < n; i++) for (j = i + 1; j < n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        med = (n % 2) ? v[(n - 1) / 2] : (v[n / 2 - 1] + v[n / 2]) / 2
        print med, v[0], v[n - 1], n }' "$results"
}
row() {  # label program-key floor-key unit
    local pm pmin pmax pn fm fmin fmax fn ratio
    read -r pm pmin pmax pn < <(stats "$2")
    read -r fm fmin fmax fn < <(stats "$3")
    ratio="-"
    if [[ "$pn" != 0 && "$fn" != 0 ]]; then ratio="$(awk -v a="$pm" -v b="$fm" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"; fi
    if [[ "$4" == MB ]]; then
        fmt() { [[ "$1" == - ]] && echo - || awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
    else
        fmt() { [[ "$1" == - ]] && echo - || awk -v k="$1" 'BEGIN { printf (k < 100 ? "%.1f" : "%.0f"), k }'; }
    fi
    printf '| %s | %s (%s–%s) | %s (%s–%s) | %s |\n' "$1" "$(fmt "$pm")" "$(fmt "$pmin")" "$(fmt "$pmax")" \
        "$(fmt "$fm")" "$(fmt "$fmin")" "$(fmt "$fmax")" "$ratio"
}

echo
echo "Wine benchmark: $pairs pair(s), interleaved; medians (min–max); wine $(wine --version 2>/dev/null); $(nproc) cores"
echo
echo "| measure | OrvaneNotes.exe | floor | ratio |"
echo "|---|---|---|---|"
for set in $sets; do
    case "$set" in
        tray)
            row "start → tray icon, empty database (ms)" program.tray floor.tray ms
            row "  the same, counted from the exec (ms)" program.tray_exec floor.tray_exec ms
            row "right press → calendar painted, first time (ms)" program.calendar floor.calendar ms
            row "double click → new note painted (ms)" program.newnote floor.newnote ms
            row "private memory, idle, no notes (MB)" program.mem0 floor.mem0 MB
            ;;
        words)
            row "start → 40 notes of 3,900 chars mapped and painted (ms)" program.words floor.words ms
            row "  the same, counted from the exec (ms)" program.words_exec floor.words_exec ms
            row "private memory, idle, 40 full notes (MB)" program.mem40 floor.mem40 MB
            ;;
        unbroken) row "start → 40 notes of 3,930 chars without a space (ms)" program.unbroken floor.unbroken ms ;;
        y) row "start → 40 notes of 3,930 \"ÿ\" (ms)" program.y floor.y ms ;;
    esac
done
psize=$(stat -c %s "$program_exe")
fsize=$(stat -c %s "$floor_exe")
printf '| .exe size (bytes) | %s | %s | %s |\n' "$psize" "$fsize" "$(awk -v a="$psize" -v b="$fsize" 'BEGIN { printf "%.2f", a / b }')"
if [[ " $sets " == *" tray "* && " $sets " == *" words "* ]]; then
    read -r m0 _ < <(stats program.mem0)
    read -r m40 _ < <(stats program.mem40)
    [[ "$m0" != - && "$m40" != - ]] &&
        awk -v a="$m0" -v b="$m40" 'BEGIN { printf "\nEach full note window costs about %.0f KB of private memory ((40 notes - none) / 40).\n", (b - a) / 40 }'
fi
