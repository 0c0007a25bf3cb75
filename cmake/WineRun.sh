#!/bin/sh
# WineRun.sh <prefix> <program.exe> [arguments...]
#
# Runs one Windows program of the cross-build under Wine, with the given
# prefix, and passes its exit code back. CTest uses this as the emulator for
# test discovery and test runs.
#
# The prefix is created on first use, under a lock so that tests started in
# parallel wait for the one that creates it. The Wine server and its system
# processes are started here with their output sent to /dev/null: started
# from a test instead, they would inherit that test's output pipe and keep it
# open after the test has ended.
set -eu

if [ $# -lt 2 ]; then
	echo "usage: $0 <wine prefix> <program.exe> [arguments...]" >&2
	exit 2
fi

WINEPREFIX=$(realpath -m "$1")
shift
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"

mkdir -p "$WINEPREFIX"
flock -o "$WINEPREFIX.lock" sh -c '
	# The server stays up for a while after its last program ends, so that a
	# run of many tests pays for the start only once.
	wineserver -p30 || true
	if [ ! -f "$WINEPREFIX/system.reg" ]; then
		wineboot -i
	else
		wineboot
	fi
' </dev/null >/dev/null 2>&1

exec wine "$@"
