#!/bin/sh
# Installs the build under a fresh prefix and runs the installed hmd-editor
# headless: it must find the engine libraries and the settings module relative
# to itself, with no help from the build tree.
# Usage: InstalledHostTest.sh BUILD_DIR
set -eu
BuildDir=$1
Work=$(mktemp -d "${TMPDIR:-/tmp}/hmd-editor-install.XXXXXX")
trap 'rm -rf "$Work"' EXIT

cmake --install "$BuildDir" --prefix "$Work/prefix" > "$Work/install.log"
mkdir "$Work/Documents"
printf 'key F10 Right Right Right Right Enter\ntype installed\nkey Enter Escape\nquit\n' > "$Work/script.txt"

env -u LD_LIBRARY_PATH "$Work/prefix/bin/hmd-editor" --documents "$Work/Documents" --script "$Work/script.txt"

Saved="$Work/Documents/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"
Expected=$(printf '{\r\n\t"SubjectName": "installed",\r\n\t"EnableLogging": false\r\n}')
if [ "$(cat "$Saved")" != "$Expected" ]; then
	echo "unexpected settings file:" >&2
	od -c "$Saved" >&2
	exit 1
fi
echo "the installed hmd-editor saved the settings"
