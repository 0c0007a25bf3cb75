#!/bin/sh
# Every C++ source file of the tree belongs to a target of this build: one
# that no list names would otherwise just not be compiled, and its tests not
# run. The optional folders (Benchmarks, Fuzz) and the Windows code, which a
# POSIX build leaves out, are not looked at.
# Usage: UnlistedSourcesTest.sh SOURCE_DIR LISTED_SOURCES_FILE
set -eu
SourceDir=$1
Listed=$2
Work=$(mktemp -d "${TMPDIR:-/tmp}/hmd-unlisted-sources.XXXXXX")
trap 'rm -rf "$Work"' EXIT

(cd "$SourceDir" && find Engine JsonText Source Programs Tests -name '*.cpp' ! -path '*/Windows/*') \
	| sed "s#^#$SourceDir/#" | sort > "$Work/found"
sort "$Listed" > "$Work/listed"
comm -23 "$Work/found" "$Work/listed" > "$Work/unlisted"
if [ -s "$Work/unlisted" ]; then
	echo "source files that no target lists:" >&2
	cat "$Work/unlisted" >&2
	exit 1
fi
echo "every source file is listed ($(wc -l < "$Work/found") files)"
