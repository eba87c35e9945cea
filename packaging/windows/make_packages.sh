#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the two Windows packages of one game program: OUTDIR/Vorlane-VERSION-setup.exe, which
# installs it for the whole machine, and OUTDIR/Vorlane-VERSION.zip, a folder to run it from.
# With VORLANE_SIGN_CERT and VORLANE_SIGN_KEY (PEM files) the program, the uninstaller and the
# installer are signed with them; with neither, nothing is.
# Usage: make_packages.sh EXE ICO VERSION OUTDIR
set -euo pipefail
(($# == 4)) || { echo "usage: $0 EXE ICO VERSION OUTDIR" >&2 && exit 2; }
exe=$1 ico=$(realpath "$2") version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$4"
out=$(cd "$4" && pwd)
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT

folder=$temp/Vorlane-$version
mkdir "$folder"
cp "$exe" "$folder/vorlane.exe"
# Notepad before Windows 10's 2018 update shows a file of bare line feeds as one line.
sed 's/$/\r/' "$here/../../LICENSE" >"$folder/LICENSE.txt"

signing=()
if [[ -n ${VORLANE_SIGN_CERT:-} && -n ${VORLANE_SIGN_KEY:-} ]]; then
    # makensis runs it too, on the uninstaller, from the folder of vorlane.nsi: no relative path.
    export VORLANE_SIGN_CERT VORLANE_SIGN_KEY
    VORLANE_SIGN_CERT=$(realpath "$VORLANE_SIGN_CERT")
    VORLANE_SIGN_KEY=$(realpath "$VORLANE_SIGN_KEY")
    cat >"$temp/sign" <<'EOF'
#!/bin/sh
set -e
osslsigncode sign -certs "$VORLANE_SIGN_CERT" -key "$VORLANE_SIGN_KEY" -h sha256 -n Vorlane \
    -in "$1" -out "$1.signed" >/dev/null
mv "$1.signed" "$1"
EOF
    chmod +x "$temp/sign"
    "$temp/sign" "$folder/vorlane.exe"
    signing=("-DSIGN=$temp/sign")
elif [[ -n ${VORLANE_SIGN_CERT:-}${VORLANE_SIGN_KEY:-} ]]; then
    echo "VORLANE_SIGN_CERT and VORLANE_SIGN_KEY go together: set both or neither" >&2
    exit 2
else
    echo "not signed: VORLANE_SIGN_CERT and VORLANE_SIGN_KEY are not set"
fi

setup=$out/Vorlane-$version-setup.exe
makensis -V2 -DEXE="$folder/vorlane.exe" -DICON="$ico" -DVERSION="$version" \
    -DLICENSE="$folder/LICENSE.txt" -DOUTFILE="$setup" "${signing[@]}" "$here/vorlane.nsi"
[[ ${#signing[@]} -eq 0 ]] || "$temp/sign" "$setup"

rm -f "$out/Vorlane-$version.zip"
(cd "$temp" && zip -qrX "$out/Vorlane-$version.zip" "Vorlane-$version")
echo "$setup"
echo "$out/Vorlane-$version.zip"
