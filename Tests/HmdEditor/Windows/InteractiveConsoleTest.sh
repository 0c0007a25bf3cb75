#!/bin/sh
# InteractiveConsoleTest.sh <WineRun.sh> <hmd-editor.exe> <work folder> <escape|ctrl-c>
#
# Runs the cross-built hmd-editor.exe interactively under Wine inside tmux, in
# a fresh Wine prefix of its own: opens the settings window with keys (F10,
# Right x4, Enter), types a name, and ends either by closing the window with
# Escape and quitting with Ctrl+Q, or by Ctrl+C while the window is open.
# Either way the settings file in the prefix's public documents folder must
# hold the name and the program must end with status 0. Every wait is
# bounded, and the prefix's Wine server and every Wine process in it are
# stopped on the way out. Without tmux it skips itself (status 77).
set -eu

command -v tmux >/dev/null 2>&1 || { echo "tmux is not installed; skipped"; exit 77; }

Runner=$(realpath -m "$1")
Program=$(realpath -m "$2")
Work=$(realpath -m "$3")
Case=$4

Prefix="$Work/wine-prefix"
Socket="hmd-console-test-$$"
ConfigFile="$Prefix/drive_c/users/Public/Documents/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"
# Wine's start in a fresh prefix takes a while, more so on a busy machine.
StartSeconds=120
StepSeconds=30

Cleanup()
{
	tmux -L "$Socket" kill-server >/dev/null 2>&1 || true
	WINEPREFIX="$Prefix" wineserver -k >/dev/null 2>&1 || true
	WINEPREFIX="$Prefix" wineserver -w >/dev/null 2>&1 || true
}
trap Cleanup EXIT

Fail()
{
	echo "FAILED: $1" >&2
	echo "--- the screen:" >&2
	tmux -L "$Socket" capture-pane -p -t editor >&2 2>/dev/null || true
	exit 1
}

Screen()
{
	tmux -L "$Socket" capture-pane -p -t editor 2>/dev/null || true
}

# WaitFor <seconds> <what> <grep pattern>: until the screen shows the pattern.
WaitFor()
{
	Deadline=$(( $(date +%s) + $1 ))
	until Screen | grep -q -- "$3"; do
		[ "$(date +%s)" -lt "$Deadline" ] || Fail "no $2 within $1 s"
		sleep 0.5
	done
}

Keys()
{
	for Key in "$@"; do
		tmux -L "$Socket" send-keys -t editor "$Key"
		sleep 0.3
	done
}

rm -rf "$Work"
mkdir -p "$Work"

# The prefix is made first, with the Wine server started outside tmux.
"$Runner" "$Prefix" cmd /c exit >/dev/null 2>&1 || Fail "cannot create the Wine prefix"

tmux -L "$Socket" -f /dev/null new-session -d -s editor -x 100 -y 30 \
	"cd '$Work' && WINEPREFIX='$Prefix' WINEDEBUG=-all wine '$Program' 2>'$Work/stderr.txt'; echo \$? >'$Work/status'; sleep 600"

WaitFor $StartSeconds "main window" "F10 menu"
Keys F10 Right Right Right Right Enter
WaitFor $StepSeconds "settings window" "Hmd Name"
tmux -L "$Socket" send-keys -t editor -l "Wine HMD"
WaitFor $StepSeconds "typed name" "Wine HMD"

case "$Case" in
escape)
	Keys Escape
	WaitFor $StepSeconds "saved message" "Saved the HMD settings"
	Keys C-q
	;;
ctrl-c)
	Keys C-c
	;;
*)
	Fail "unknown case $Case"
	;;
esac

Deadline=$(( $(date +%s) + StepSeconds ))
until [ -s "$Work/status" ]; do
	[ "$(date +%s)" -lt "$Deadline" ] || Fail "the program did not end within $StepSeconds s"
	sleep 0.5
done
Status=$(cat "$Work/status")
[ "$Status" = 0 ] || Fail "the program ended with status $Status: $(cat "$Work/stderr.txt")"

[ -f "$ConfigFile" ] || Fail "no settings file at $ConfigFile"
printf '{\r\n\t"SubjectName": "Wine HMD",\r\n\t"EnableLogging": false\r\n}' >"$Work/expected.json"
cmp -s "$ConfigFile" "$Work/expected.json" || Fail "the settings file does not hold the typed name: $(od -c "$ConfigFile")"

Cleanup
rm -rf "$Work"
echo "hmd-editor.exe ($Case) saved the settings to $ConfigFile"
