#!/usr/bin/env bash
# Runs the built 64-bit twin under Wine on a private X display over a record folder (examples/
# by default), photographs its window to build/screenshot.png (or the path given second) and
# closes the program again. Every wait is bounded.
#   scripts/screenshot.sh [FOLDER] [PNG]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=$(cd "${1:-examples}" && pwd)
output=$(realpath -m "${2:-build/screenshot.png}")
program=$(pwd)/build/mingw64/win/lumvo1.exe
[ -x "$program" ] || { echo "build the twin first: cmake --build --preset mingw64" >&2; exit 1; }

source scripts/wine-env.sh
wine_env_start --own-display

# The program reads its record from the current folder.
(cd "$folder" && exec "${wine_locale[@]}" "$WINELOADER" "$program") &
program_pid=$!
close_program() {
  kill "$program_pid" 2>/dev/null || true
  wine_env_stop
}
trap close_program EXIT

window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Lumvo1$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the program's window did not appear" >&2; exit 1; }
# Time for the resize's repaint; nothing observable from outside marks its end.
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "screenshot: $output"

# Alt+F4 through the X server's test extension reaches the window under the pointer; the
# program closes as from its own menu.
xdotool mousemove --window "$window" 400 300 key alt+F4
for _ in $(seq 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not close; ending it" >&2
  exit 1
fi
wait "$program_pid" || { echo "the program ended with status $?" >&2; exit 1; }
