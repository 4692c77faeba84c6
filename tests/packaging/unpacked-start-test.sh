#!/usr/bin/env bash
# Starts the program of the Debian package as a user would: the package is
# unpacked into a temporary root (dpkg -x), and its /usr/bin/vellarmo runs
# offscreen as the unprivileged user nobody with a fresh home, driven by the
# test driver (support/driver). Checks that
#   - the data folder ~/Vellarmo is made and receives the key file;
#   - the first-access password opens the main menu;
#   - the guide opened is the package's /usr/share/vellarmo/Guida.pdf;
#   - nothing is written outside the home: no file anywhere on the machine's
#     own file systems, outside the home, came to belong to nobody.
# Needs root (to become nobody); runs alone (RUN_SERIAL), since other tests
# also act as nobody.
# Usage: unpacked-start-test.sh <build folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../support/require-tool.sh"
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || unavailable "root, to start the program as the user nobody"
require_tool dpkg-deb setpriv find
packages=("$build"/package-test/vellarmo_*.deb)
[ -f "${packages[0]}" ] || fail "no package in $build/package-test: the step 'build' did not run or failed"
driver="$build/tests/driver/generic/libvellarmo_driver.so"
[ -f "$driver" ] || fail "the test driver $driver is not built"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 0755 "$work"
dpkg-deb -x "${packages[0]}" "$work/root"
# The driver where nobody can read it: the build folder may lie in root's home.
mkdir -p "$work/plugins/generic"
cp "$driver" "$work/plugins/generic/"
chmod -R a+rX "$work/plugins"
nobody_uid=65534
nobody_gid="$(getent group nogroup | cut -d: -f3 || true)"
nobody_gid="${nobody_gid:-65534}"
home="$work/home"
# The session's runtime folder, as a desktop session provides one; anything
# written into it counts as written outside the home.
runtime="$work/runtime"
mkdir "$home" "$runtime" "$work/report"
chown "$nobody_uid:$nobody_gid" "$home" "$runtime" "$work/report"
chmod 0700 "$home" "$runtime"
report="$work/report/driver.txt"
touch "$work/stamp"

status=0
env -i PATH=/usr/bin:/bin HOME="$home" USER=nobody LOGNAME=nobody LANG=C.UTF-8 XDG_RUNTIME_DIR="$runtime" \
  QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$work/plugins" QT_QPA_GENERIC_PLUGINS=vellarmo_driver \
  VELLARMO_DRIVER_REPORT="$report" VELLARMO_DRIVER_TIMEOUT=60 \
  setpriv --reuid="$nobody_uid" --regid="$nobody_gid" --clear-groups \
  "$work/root/usr/bin/vellarmo" >"$work/output" 2>&1 || status=$?
echo "--- the driver's report"
cat "$report" 2>/dev/null || true
echo "--- the program's output"
cat "$work/output"
echo "---"
[ "$status" -eq 0 ] || fail "the program ended with code $status"
[ -f "$report" ] || fail "the driver wrote no report: it was not loaded"

[ -d "$home/Vellarmo" ] || fail "~/Vellarmo was not made"
[ -s "$home/Vellarmo/unins000.dll" ] || fail "~/Vellarmo did not receive the key file"
grep -qx "screen frmAvvio" "$report" || fail "the first-access password did not open the main menu"
grep -qx "open $work/root/usr/share/vellarmo/Guida.pdf" "$report" \
  || fail "the guide did not resolve to the package's Guida.pdf"
grep -qx "end" "$report" || fail "the program did not end normally"

# Anything that came to belong to nobody since the start, outside the home.
written="$(find / /tmp /var/tmp /dev/shm /run -xdev \
  \( -path /proc -o -path "$home" -o -path "$work/report" \) -prune -o \
  -user "$nobody_uid" -newer "$work/stamp" -print 2>/dev/null || true)"
[ -z "$written" ] || fail "written outside the home: $written"
echo "unpacked, started as nobody, logged in, guide found, nothing written outside the home"
