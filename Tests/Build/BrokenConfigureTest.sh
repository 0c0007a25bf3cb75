#!/bin/sh
# Configures a copy of the source tree with one part broken and expects the
# configure to stop with a message naming that part: a build that skipped the
# part instead would pass with less in it.
# Usage: BrokenConfigureTest.sh SOURCE_DIR CASE
#   intact           nothing broken: the configure passes
#   misspelt-target  a library links a target name that does not exist
#   misspelt-test    a test links a target name that does not exist
#   missing-source   a listed source file is gone
#   missing-folder   a listed folder has no CMakeLists.txt
set -eu
SourceDir=$1
Case=$2
Work=$(mktemp -d "${TMPDIR:-/tmp}/hmd-broken-configure.XXXXXX")
trap 'rm -rf "$Work"' EXIT

mkdir "$Work/src"
tar -C "$SourceDir" --exclude=./build --exclude=./.git -cf - . | tar -C "$Work/src" -xf -
Src="$Work/src"
case $Case in
	intact) Expected= ;;
	misspelt-target)
		sed -i 's/DEPENDS EngineCore EngineModules EngineCommands)/DEPENDS EngineCore EngineModules EngineComands)/' \
			"$Src/Engine/LevelEditor/CMakeLists.txt"
		Expected=EngineComands ;;
	misspelt-test)
		sed -i 's/DEPENDS EngineCore)/DEPENDS EngineCroe)/' "$Src/Tests/Core/CMakeLists.txt"
		Expected=EngineCroe ;;
	missing-source)
		rm "$Src/JsonText/Private/JsonLexer.cpp"
		Expected=JsonLexer.cpp ;;
	missing-folder)
		rm "$Src/Engine/Slate/CMakeLists.txt"
		Expected=Slate ;;
	*) echo "unknown case $Case" >&2; exit 2 ;;
esac
# The edit must have happened, or the case would prove nothing.
if [ "$Case" != intact ] && diff -rq "$SourceDir/Engine" "$Src/Engine" > /dev/null && diff -rq "$SourceDir/JsonText" "$Src/JsonText" > /dev/null \
	&& diff -rq "$SourceDir/Tests" "$Src/Tests" > /dev/null; then
	echo "the case $Case changed nothing in the copy" >&2
	exit 1
fi

if cmake -S "$Src" -B "$Work/build" > "$Work/configure.log" 2>&1; then
	Status=0
else
	Status=$?
fi
if [ "$Case" = intact ]; then
	if [ $Status -ne 0 ]; then
		cat "$Work/configure.log" >&2
		echo "the intact copy does not configure" >&2
		exit 1
	fi
	echo "the intact copy configures"
	exit 0
fi
if [ $Status -eq 0 ]; then
	cat "$Work/configure.log" >&2
	echo "the configure passed although $Case" >&2
	exit 1
fi
if ! grep -q "$Expected" "$Work/configure.log"; then
	cat "$Work/configure.log" >&2
	echo "the configure failed without naming $Expected" >&2
	exit 1
fi
echo "the configure stopped naming $Expected"
