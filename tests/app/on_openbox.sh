#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window suite in an X server of its own under openbox, the window manager that draws
# the windows' title bars; both end with the suite. A missing tool fails the run.
# Usage: on_openbox.sh TEST_BINARY [TEST_ARGUMENTS...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop.sh"
require Xvfb openbox xprop
start_xvfb
private_runtime
mkdir -m 700 "$work/config"
# A suite run under a desktop's settings names their folder in VORLANE_TEST_CONFIG.
export XDG_CONFIG_HOME=${VORLANE_TEST_CONFIG:-$work/config}
start_openbox
# On a real X server Qt 6.8's xcb plugin and Mesa's GLX keep blocks until the program ends,
# which the leak checker counts at exit (Debian 13).
leave_leaks_to_offscreen_runs

QT_QPA_PLATFORM=xcb "$@"
