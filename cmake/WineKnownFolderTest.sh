#!/bin/sh
# WineKnownFolderTest.sh <WineRun.sh> <wine prefix> <hmd-editor.exe> <work folder>
#
# Runs hmd-editor.exe under Wine with a script and without --documents, so the
# shell's real known-folder answer decides where the settings file goes: it
# must land in the prefix's public documents folder, hold what was typed, and
# be shown again by the next run.
set -eu

Runner=$(realpath -m "$1")
Prefix=$(realpath -m "$2")
Program=$(realpath -m "$3")
Work=$(realpath -m "$4")

OrvekFolder="$Prefix/drive_c/users/Public/Documents/Orvek"
ConfigFile="$OrvekFolder/Skellan_4.20/Config/OHeadSetConfig.json"
OpenSettings='key F10 Right Right Right Right Enter'

Fail()
{
	echo "FAILED: $1" >&2
	for Log in "$Work"/*.out "$Work"/*.err; do
		[ -s "$Log" ] && { echo "--- $Log"; cat "$Log"; } >&2
	done
	exit 1
}

# The program runs in the work folder and is given its script by a relative
# name, which means the same on both sides of Wine.
RunScript()
{
	(cd "$Work" && "$Runner" "$Prefix" "$Program" --script "$1.txt" >"$1.out" 2>"$1.err") \
		|| Fail "hmd-editor --script $1.txt exited with $?"
}

rm -rf "$OrvekFolder" "$Work"
mkdir -p "$Work"

printf '%s\ntype Wine HMD\nkey Tab Space Escape\nquit\n' "$OpenSettings" >"$Work/save.txt"
RunScript save
[ -f "$ConfigFile" ] || Fail "no settings file at $ConfigFile"
printf '{\r\n\t"SubjectName": "Wine HMD",\r\n\t"EnableLogging": true\r\n}' >"$Work/expected.json"
cmp -s "$ConfigFile" "$Work/expected.json" || Fail "the settings file does not hold what was typed: $(od -c "$ConfigFile")"

printf '%s\nscreen\nquit\n' "$OpenSettings" >"$Work/load.txt"
RunScript load
grep -q 'Hmd Name *\[Wine HMD_' "$Work/load.out" || Fail "the next run does not show the saved name"
grep -q 'Enable Log *\[x\]' "$Work/load.out" || Fail "the next run does not show logging on"

rm -rf "$Work"
echo "settings saved to and loaded from $ConfigFile"
