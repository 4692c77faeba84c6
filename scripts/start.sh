#!/usr/bin/env bash
# Installs what is missing, builds the program, installs it into its program
# folder and starts it from there.
#
#   bash scripts/start.sh [PROGRAM FOLDER]
#
# The program folder (by default ~/Vellarmo) holds the program and every data
# file it writes. Installing again updates the program files only: the data,
# the key file with the password and anything else in the folder stay as they
# are. The build folder holds no data, so deleting it loses nothing.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$HOME/Vellarmo}"
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
case "$folder/" in
  "$here"/*) echo "La cartella del programma deve stare fuori dal repository: $folder" >&2; exit 2 ;;
esac

bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh" "$here/build" -DVELLARMO_TESTS=OFF -DVELLARMO_BENCH=OFF
cmake --install "$here/build" --prefix "$folder" >/dev/null

# The menu entry, so that the desktop lists the program.
menu="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$menu"
cp "$folder/share/applications/vellarmo.desktop" "$menu/vellarmo.desktop"

echo "Vellarmo installato in $folder"
exec "$folder/vellarmo"
