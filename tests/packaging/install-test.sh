#!/usr/bin/env bash
# Installs the built program into a fresh program folder, puts data into it,
# installs again and checks that the data and the key file came through
# untouched; then builds the .deb package and checks the files it carries.
# Usage: install-test.sh <build folder>
set -euo pipefail
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

# The package: the same layout under /opt/vellarmo, and the menu entry where
# the desktop looks for it.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb="$(ls "$work"/package/*.deb)"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort > "$work/files"
cat > "$work/expected" <<'LIST'
./opt/vellarmo/Guida.pdf
./opt/vellarmo/share/applications/vellarmo.desktop
./opt/vellarmo/share/icons/hicolor/scalable/apps/vellarmo.svg
./opt/vellarmo/unins000.dll
./opt/vellarmo/vellarmo
./usr/share/applications/vellarmo.desktop
LIST
diff "$work/expected" "$work/files" || fail "the package carries other files"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/vellarmo.desktop \
  | grep -qx 'Exec="/opt/vellarmo/vellarmo"' || fail "packaged menu entry does not start /opt/vellarmo/vellarmo"
echo "installed, reinstalled and packaged"
