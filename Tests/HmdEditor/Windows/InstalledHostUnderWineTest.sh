#!/bin/sh
# InstalledHostUnderWineTest.sh <build folder> <WineRun.sh> <wine prefix>
#
# Installs the Windows build under a fresh prefix, checks that the programs,
# the engine DLLs and the module are all in one folder and nothing else is
# installed, moves that folder somewhere else, and runs the moved
# hmd-editor.exe headless under Wine: it must find the engine DLLs and the
# settings module beside itself.
set -eu

BuildDir=$(realpath -m "$1")
Runner=$(realpath -m "$2")
Prefix=$(realpath -m "$3")
Work=$(mktemp -d "${TMPDIR:-/tmp}/hmd-editor-windows-install.XXXXXX")
trap 'rm -rf "$Work"' EXIT

Fail()
{
	echo "FAILED: $1" >&2
	exit 1
}

cmake --install "$BuildDir" --prefix "$Work/prefix" >"$Work/install.log"
(cd "$Work/prefix" && find . -type f | sort) >"$Work/installed.txt"
printf '%s\n' ./bin/OrvekHmdSettings.dll ./bin/hmd-editor.exe ./bin/hmd-json.exe ./bin/libEngineCommands.dll \
	./bin/libEngineCore.dll ./bin/libEngineJson.dll ./bin/libEngineLevelEditor.dll ./bin/libEngineModules.dll \
	./bin/libEnginePlatform.dll ./bin/libEngineSlate.dll | sort >"$Work/expected.txt"
diff "$Work/expected.txt" "$Work/installed.txt" >&2 || Fail "the installed files are not the one folder expected"

# The folder works wherever it is put.
mv "$Work/prefix/bin" "$Work/hmd-editor"
rm -rf "$Work/prefix"
mkdir "$Work/Documents"
printf 'key F10 Right Right Right Right Enter\ntype installed\nkey Enter Escape\nquit\n' >"$Work/script.txt"
# Wine sees the Unix file system as drive Z:.
Documents="Z:$(printf '%s' "$Work/Documents" | tr / '\\')"
(cd "$Work" && "$Runner" "$Prefix" "$Work/hmd-editor/hmd-editor.exe" --documents "$Documents" --script script.txt) \
	|| Fail "the installed hmd-editor.exe exited with $?"

Saved="$Work/Documents/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"
printf '{\r\n\t"SubjectName": "installed",\r\n\t"EnableLogging": false\r\n}' >"$Work/expected.json"
cmp -s "$Saved" "$Work/expected.json" || Fail "unexpected settings file: $(od -c "$Saved" 2>&1)"
echo "the installed hmd-editor.exe saved the settings"
