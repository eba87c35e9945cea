#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree, holds it to Debian's standard with lintian, checks
# that the program it ships carries no test double, unpacks it into a scratch root and starts the
# unpacked program: offscreen first, then in a real X server where its window must show.
# Usage: deb_installs.sh BUILD_DIR BINARY   (BINARY: the unstripped program the package ships)
set -euo pipefail
build=$1
binary=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/desktop.sh"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/vorlane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 qt6-qpa-plugins \
              fonts-liberation2 qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || { echo "FAIL: the package does not depend on $needed"; exit 1; }
done

# Lintian warns that it runs as root, which CI does, and goes on; info and pedantic tags are
# listed for the reader but only errors and warnings fail.
lintian --info --pedantic --fail-on error,warning "$deb" ||
    { echo "FAIL: lintian finds errors or warnings in the package"; exit 1; }

# The package strips the program, so its symbols are read from the copy that goes into it; a
# stripped copy would show none and hide the doubles.
symbols=$(nm -C "$binary")
[[ -n $symbols ]] || { echo "FAIL: $binary has no symbols to check"; exit 1; }
doubles=$(grep -E '(^|[^[:alnum:]_])Scripted[[:upper:]]' <<<"$symbols" || true)
[[ -z $doubles ]] || { echo "FAIL: the shipped program holds test doubles:"; echo "$doubles"; exit 1; }

dpkg -x "$deb" "$work/root"
for file in usr/bin/vorlane usr/share/applications/org.vorlane.vorlane.desktop \
            usr/share/doc/vorlane/copyright usr/share/man/man6/vorlane.6.gz \
            usr/share/metainfo/org.vorlane.vorlane.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.vorlane.vorlane.svg; do
    [[ -f $work/root/$file ]] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
# A new version needs its own entry at the top of the changelog.
version=$(dpkg-deb -f "$deb" Version)
latest=$(zcat "$work/root/usr/share/doc/vorlane/changelog.gz" | head -n 1)
[[ $latest == "vorlane ($version) "* ]] ||
    { echo "FAIL: the changelog starts with \"$latest\", not with version $version"; exit 1; }
# The software centre finds the page's menu entry only under the name its launchable gives.
appstreamcli validate-tree --no-net "$work/root/usr"

private_runtime
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/vorlane" || status=$?
[[ $status -eq 124 ]] || { echo "FAIL: the unpacked program ended by itself ($status)"; exit 1; }

"$here/window_on_screen.sh" "$work/root/usr/bin/vorlane"
