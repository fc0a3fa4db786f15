# Helpers of the note tests, on top of lib.sh.

# Record $1 of the notes database, as its string.
notes_record() {
    local offset=$((($1 - 1) * 4002)) low high
    read -r low high < <(od -An -tu1 -j "$offset" -N 2 "$E2E_DATA/Notes")
    dd if="$E2E_DATA/Notes" bs=1 skip=$((offset + 2)) count=$((low + high * 256)) status=none
}

notes_record_is() { [[ "$(notes_record "$1")" == "$2" ]]; }

# Writes string $2 into record $1 as the program stores it (length, then the characters).
notes_store_record() {
    local offset=$((($1 - 1) * 4002)) length=${#2}
    printf "$(printf '\\%03o\\%03o' $((length % 256)) $((length / 256)))%s" "$2" |
        dd of="$E2E_DATA/Notes" bs=1 seek="$offset" conv=notrunc status=none
}

notes_tray_shown() { [[ -n "$(e2e_tray_window)" ]]; }

# The X windows of the open notes.
notes_windows() { xdotool search --onlyvisible --name '^Poznamky$' 2>/dev/null || true; }
notes_window_exists() { [[ -n "$(notes_windows)" ]]; }

notes_main_window_visible() { [[ -n "$(e2e_main_window)" ]]; }

# "x y width height" of X window $1.
notes_geometry() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# The prefix's desktop folder points at the home folder; exports go to a folder of the test's own.
notes_real_desktop() {
    local desktop
    for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
        [[ -L "$desktop" ]] || continue
        rm "$desktop"
        mkdir "$desktop"
        NOTES_DESKTOP="$desktop"
    done
    [[ -n "${NOTES_DESKTOP:-}" ]] || e2e_fail "no desktop folder in the prefix"
}

notes_exported_text_is() {
    local file
    for file in "$NOTES_DESKTOP"/*.txt; do
        [[ -f "$file" && "$(cat "$file")" == "$1" ]] && return 0
    done
    return 1
}

# A note's 70-character header: left top width height rolled-up alignment bold size font
# text-colour background-colour.
notes_header() {
    printf '%-5.5s%-5.5s%-5.5s%-5.5s%.1s%.1s%.1s%-2.2s%-15.15s%-15.15s%-15.15s' "$@"
}

# Writes a notes database of 40 records of random bytes into file $1, the same for the same seed
# $2 on every machine: a damaged disk as a test input.
notes_random_database() {
    local file="$1" state="$2" record i escapes bytes
    for ((record = 0; record < 40; record++)); do
        bytes=()
        for ((i = 0; i < 4002; i++)); do
            state=$(((state * 1103515245 + 12345) & 0x7fffffff))
            bytes+=($(((state >> 16) & 0xff)))
        done
        printf -v escapes '\\x%02x' "${bytes[@]}"
        printf "$escapes"
    done >"$file"
}
