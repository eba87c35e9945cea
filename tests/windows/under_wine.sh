#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test suite built for Windows under Wine. A QtTest program for Windows writes its log to a
# console, which a pipe is not: the log goes to a file, shown once the suite ends.
# Usage: under_wine.sh SUITE.exe [ARGUMENTS...]
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" -o "$(winepath -w "$log"),txt"
status=$?
cat "$log"
exit "$status"
