#!/usr/bin/env bash
# Installs the built program into a fresh program folder (as scripts/start.sh
# does), puts data into it, installs again and checks that the data and the key
# file came through untouched. The Debian package has tests of its own
# (package-test.sh).
# Usage: install-test.sh <build folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../support/require-tool.sh"
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

folder="$work/Vellarmo dati"
cmake --install "$build" --prefix "$folder" >/dev/null
for f in vellarmo unins000.dll Guida.pdf share/applications/vellarmo.desktop \
         share/icons/hicolor/scalable/apps/vellarmo.svg; do
  [ -f "$folder/$f" ] || fail "$f not installed"
done
[ -x "$folder/vellarmo" ] || fail "program not executable"
grep -qx "Exec=\"$folder/vellarmo\"" "$folder/share/applications/vellarmo.desktop" \
  || fail "menu entry does not start the installed program"
grep -qx "Icon=$folder/share/icons/hicolor/scalable/apps/vellarmo.svg" \
  "$folder/share/applications/vellarmo.desktop" || fail "menu entry without its icon"
require_tool desktop-file-validate
desktop-file-validate "$folder/share/applications/vellarmo.desktop" || fail "menu entry not valid"

# The user's data, a changed password and a file of the user's own.
printf 'archivio 2024' > "$folder/2024.ric"
printf '[Numerazione]\r\nInizio=15\r\n' > "$folder/Impostazioni.ini"
printf '[Accesso]\r\nValore=CAMBIATA\r\n' > "$folder/unins000.dll"
mkdir -p "$folder/Documenti_Allegati" && printf 'x' > "$folder/Documenti_Allegati/carta.pdf"
( cd "$folder" && find . -type f ! -name vellarmo ! -path './share/*' -exec md5sum {} + | sort ) > "$work/before"
# The program from the build is older than the one installed next.
printf 'vecchio' > "$folder/vellarmo"

cmake --install "$build" --prefix "$folder" >/dev/null
( cd "$folder" && find . -type f ! -name vellarmo ! -path './share/*' -exec md5sum {} + | sort ) > "$work/after"
diff "$work/before" "$work/after" || fail "installing again changed the data"
cmp -s "$folder/vellarmo" "$build/src/vellarmo" || fail "installing again did not update the program"

echo "installed and reinstalled"
