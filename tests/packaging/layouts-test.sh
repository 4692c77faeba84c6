#!/usr/bin/env bash
# Installs the build into fresh prefixes and starts the installed program,
# offscreen, in the three layouts the README promises:
#   beside   the data beside the program, in a program folder the user owns;
#   home     a program folder the user cannot write (run as the unprivileged
#            user nobody when this runs as root): the data go to ~/Vellarmo;
#   named    a data folder named on the command line.
# The program is driven by the test driver plugin (tests/support/driver),
# loaded into the unmodified program through QT_QPA_GENERIC_PLUGINS: it logs
# in with the first-access password, opens the guide from the help window of
# the main menu and ends the program, reporting what it saw. In each layout
# the password is accepted (the key file is there), the guide opens from the
# program's own files, and every file that appears or changes lies in the
# data folder.
# Usage: layouts-test.sh <build folder>
set -euo pipefail
build="$(cd "$1" && pwd)"
# $work holds everything the program may see, watched for changes; the
# test's own bookkeeping lies in $notes, apart.
work="$(mktemp -d)"
notes="$(mktemp -d)"
trap 'rm -rf "$work" "$notes"' EXIT
chmod 755 "$work" "$notes"
fail() {
  echo "FAIL [$layout]: $*" >&2
  [ -f "$notes/report" ] && sed 's/^/  report: /' "$notes/report" >&2
  exit 1
}

plugin="$build/tests/driver/generic/libvellarmo_driver.so"
[ -f "$plugin" ] || { echo "FAIL: the driver plugin $plugin was not built" >&2; exit 1; }
# A copy the unprivileged user can surely read.
mkdir -p "$notes/plugins/generic"
cp "$plugin" "$notes/plugins/generic/"
chmod -R a+rX "$notes/plugins"

# Every file below the given folders with its size and modification time.
snapshot() {
  find "$@" -xdev \( -type f -o -type l \) -printf '%p\t%s\t%T@\n' 2>/dev/null | sort
}

# The installed program below a prefix: bin/vellarmo, or vellarmo beside the data.
program_in() {
  if [ -x "$1/bin/vellarmo" ]; then echo "$1/bin/vellarmo"; else echo "$1/vellarmo"; fi
}

# run_layout NAME PREFIX HOME DATA AS-NOBODY [ARGUMENT]
run_layout() {
  layout="$1" prefix="$2" home="$3" data="$4" nobody="$5"; shift 5
  local exe report="$notes/report"
  exe="$(program_in "$prefix")"
  rm -f "$report"; : > "$report"; chmod 666 "$report"
  snapshot "$work" > "$notes/before"
  local env=(env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8
             XDG_RUNTIME_DIR="$work/runtime-$layout"
             QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$notes/plugins"
             QT_QPA_GENERIC_PLUGINS=vellarmo_driver VELLARMO_DRIVER_REPORT="$report")
  mkdir -p "$work/runtime-$layout"; chmod 700 "$work/runtime-$layout"
  local status=0
  if [ "$nobody" = yes ]; then
    chown nobody:nogroup "$work/runtime-$layout"
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- "${env[@]}" "$exe" "$@" \
      > "$notes/out" 2>&1 || status=$?
  else
    "${env[@]}" "$exe" "$@" > "$notes/out" 2>&1 || status=$?
  fi
  snapshot "$work" > "$notes/after"
  [ "$status" -eq 0 ] || { cat "$notes/out" >&2; fail "the program ended with status $status"; }

  grep -qx 'screen frmPassword' "$report" || fail "no password screen"
  grep -qx 'screen frmAvvio' "$report" || fail "the first-access password did not open the main menu"
  # No notice (a key file or guide problem); the reminder of the safety copy
  # that leaving asks when none was made is the only question expected.
  local messages
  messages="$(grep '^message ' "$report" | grep -v '^message Non è stata fatta una copia di sicurezza' || true)"
  [ -z "$messages" ] || fail "the program showed a message: $messages"
  local guide
  guide="$(sed -n 's/^open //p' "$report")"
  [ -n "$guide" ] || fail "the guide was not opened"
  case "$guide" in
    "$prefix"/*) ;;
    *) fail "the guide was looked for outside the installation: $guide" ;;
  esac
  [ -f "$guide" ] || fail "the guide opened is not there: $guide"
  grep -qx 'end' "$report" || fail "the driver did not finish"
  [ -f "$data/unins000.dll" ] || fail "no key file in the data folder $data"

  # Whatever appeared or changed lies in the data folder.
  local changed
  changed="$(comm -13 "$notes/before" "$notes/after" | cut -f1 | grep -v "^$data/" || true)"
  [ -z "$changed" ] || fail "files written outside the data folder $data:
$changed"
  echo "ok [$layout]: data in $data, guide $guide"
}

# The data beside the program, in a program folder of the user's own.
mkdir -p "$work/beside-home"
cmake --install "$build" --prefix "$work/Vellarmo" >/dev/null
run_layout beside "$work/Vellarmo" "$work/beside-home" "$(dirname "$(program_in "$work/Vellarmo")")" no

# A program folder the user cannot write: the data go to ~/Vellarmo. Root
# writes anywhere, so this one runs as nobody; without root the folder is
# made read-only instead.
cmake --install "$build" --prefix "$work/opt" >/dev/null
mkdir -p "$work/home"
if [ "$(id -u)" -eq 0 ]; then
  chown -R root:root "$work/opt"; chmod -R go-w "$work/opt"
  chown nobody:nogroup "$work/home"
  run_layout home "$work/opt" "$work/home" "$work/home/Vellarmo" yes
else
  chmod -R a-w "$work/opt"
  run_layout home "$work/opt" "$work/home" "$work/home/Vellarmo" no
  chmod -R u+w "$work/opt"
fi

# A data folder named on the command line.
cmake --install "$build" --prefix "$work/programma" >/dev/null
mkdir -p "$work/named-home" "$work/Dati condivisi"
run_layout named "$work/programma" "$work/named-home" "$work/Dati condivisi" no "$work/Dati condivisi"
echo "the installed program works in all three layouts"
