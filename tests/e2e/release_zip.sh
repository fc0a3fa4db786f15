#!/usr/bin/env bash
# The release zip: its name carries the version of the program's version record; it holds the
# program, the shipped files in NotesDat and a ReadMe.txt, nothing else. The program carries a
# well-formed manifest. Unpacked into an empty folder and started from there, the program adds its
# first-run files beside the shipped ones and leaves those as they were.
source "$(dirname "$0")/lib.sh"
[[ -f "$1" ]] || e2e_fail "no release zip at $1"
zip="$(realpath "$1")"
[[ "$(basename "$zip")" =~ ^OrvaneNotes-([0-9]+)\.([0-9]+)\.([0-9]+)-win64\.zip$ ]] ||
    e2e_fail "the zip's name $(basename "$zip") is not OrvaneNotes-<version>-win64.zip"
major=${BASH_REMATCH[1]} minor=${BASH_REMATCH[2]} patch=${BASH_REMATCH[3]}
version="$major.$minor.$patch"

unpacked="$(mktemp -d "${TMPDIR:-/tmp}/orvane-zip.XXXXXX")"
(cd "$unpacked" && cmake -E tar xf "$zip") || { rm -rf "$unpacked"; e2e_fail "the zip does not unpack"; }
e2e_setup "$unpacked/OrvaneNotes.exe"
mv "$unpacked" "$E2E_WORK/zip"
unpacked="$E2E_WORK/zip"

# ---- contents ---------------------------------------------------------------------------------

contents="$(cd "$unpacked" && find . -type f | LC_ALL=C sort | tr '\n' ' ')"
[[ "$contents" == "./NotesDat/Alarm.wav ./NotesDat/Help/_Help.htm ./OrvaneNotes.exe ./ReadMe.txt " ]] ||
    e2e_fail "the zip holds: $contents"
cmp -s "$unpacked/NotesDat/Help/_Help.htm" "$E2E_ROOT/help/_Help.htm" || e2e_fail "the zip's help page is not the help page"
cmp -s "$unpacked/NotesDat/Alarm.wav" "$E2E_ROOT/res/Alarm.wav" || e2e_fail "the zip's alarm sound is not the alarm sound"

readme="$unpacked/ReadMe.txt"
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme" || true)
((lines > 10 && crlf == lines)) || e2e_fail "ReadMe.txt has $lines lines, $crlf of them ending in CR LF"
[[ "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" == 0d0a ]] || e2e_fail "ReadMe.txt's last line has no CR LF"
for phrase in "Orvane Notes $version" NotesDat "Backing up" "another computer" shell:startup "no installer" \
    registry network; do
    grep -qi -- "$phrase" "$readme" || e2e_fail "ReadMe.txt does not mention \"$phrase\""
done

# ---- the program's resources ------------------------------------------------------------------

exe="$unpacked/OrvaneNotes.exe"
resources="$(x86_64-w64-mingw32-windres -i "$exe" -O rc)" || e2e_fail "the program's resources do not read"
grep -q '^1 24 /\* RT_MANIFEST \*/' <<<"$resources" || e2e_fail "no manifest (resource type 24, id 1)"
grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$resources" || e2e_fail "the file version is not $version"
grep -q "PRODUCTVERSION $major, $minor, $patch, 0" <<<"$resources" || e2e_fail "the product version is not $version"
for field in FileVersion ProductVersion; do
    grep -q "VALUE \"$field\", \"$version\"" <<<"$resources" || e2e_fail "the text $field is not $version"
done

manifest="$E2E_WORK/manifest.xml"
perl -0777 -ne 'print $1 if /(<\?xml.*?<\/assembly>)/s' "$exe" >"$manifest"
[[ -s "$manifest" ]] || e2e_fail "no manifest text in the program"
xmllint --noout "$manifest" || e2e_fail "the manifest is not well-formed XML"
# Each needed setting, read with namespaces ignored.
xpath() { xmllint --xpath "$1" "$manifest" 2>/dev/null; }
field() { [[ "$(xpath "$1")" == "$2" ]] || e2e_fail "manifest: $1 is \"$(xpath "$1")\", not \"$2\""; }
field 'string(//*[local-name()="assemblyIdentity"][1]/@version)' "$version.0"
field 'string(//*[local-name()="dependentAssembly"]/*[local-name()="assemblyIdentity"]/@name)' \
    Microsoft.Windows.Common-Controls
field 'string(//*[local-name()="dependentAssembly"]/*[local-name()="assemblyIdentity"]/@version)' 6.0.0.0
field 'string(//*[local-name()="requestedExecutionLevel"]/@level)' asInvoker
field 'normalize-space(//*[local-name()="dpiAware"])' true
field 'normalize-space(//*[local-name()="dpiAwareness"])' 'PerMonitorV2, PerMonitor'
field 'count(//*[local-name()="activeCodePage"])' 0
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
    1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    field "count(//*[local-name()=\"supportedOS\"][@Id=\"{$os}\"])" 1
done

# ---- the first start from the unpacked folder -------------------------------------------------

rm -rf "$E2E_PROGRAM"
cp -a "$unpacked" "$E2E_PROGRAM"
shipped="$E2E_WORK/shipped"
e2e_listing "$E2E_DATA" >"$shipped"
expected="$E2E_WORK/expected/NotesDat"
mkdir -p "$expected"
cp -a "$E2E_DATA/." "$expected"
e2e_first_run_tree "$expected"

e2e_start
if ! e2e_wait_until 60 e2e_same_tree "$expected" "$E2E_DATA"; then
    diff -r "$expected" "$E2E_DATA" >&2 || true
    e2e_fail "the data folder is not the shipped files and the first-run files"
fi
sleep 2  # anything written late shows now
diff -r "$expected" "$E2E_DATA" >&2 || e2e_fail "the data folder changed after the first run"
e2e_running "$E2E_PID" || e2e_fail "the program ended after its first run"
# The shipped files, with their bytes and times, as they came out of the zip.
e2e_listing "$E2E_DATA" | grep -e ' ./Help' -e ' ./Alarm.wav' | diff "$shipped" - >&2 ||
    e2e_fail "a shipped file changed"
echo "PASS: release zip ($(basename "$zip"), $(stat -c %s "$zip") bytes)"
