#!/usr/bin/env bash
# Runs a window suite on a session bus of its own, where a stand-in for the desktop's settings
# portal answers that the desktop asks for high contrast. The bus and the stand-in end with the
# suite. A missing tool fails the run; none is a reason to skip.
# Usage: with_portal.sh TEST_BINARY [TEST_ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session is missing"; exit 1; }
/usr/bin/python3 -c 'import dbus.mainloop.glib, gi' ||
    { echo "FAIL: python3-dbus or python3-gi is missing"; exit 1; }

exec timeout 60 dbus-run-session -- bash -c '
    set -euo pipefail
    coproc portal { /usr/bin/python3 "$0"; }
    trap "kill $portal_PID 2>/dev/null || true" EXIT
    read -r -t 10 ready <&"${portal[0]}" || true
    [[ ${ready:-} == ready ]] || { echo "FAIL: the stand-in portal did not start"; exit 1; }
    VORLANE_TEST_HIGH_CONTRAST=1 "$@"' "$here/portal_stand_in.py" "$@" \
    2> >(grep -v "dbus-daemon" >&2)
