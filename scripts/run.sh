#!/usr/bin/env bash
# Runs the program: installs what is missing, builds the 64-bit twin and starts it under Wine
# over a record folder (examples/ unless one is given; the program reads the folder it is
# started in). On a desktop (DISPLAY set) the window opens and the script returns when it is
# closed; without a display it photographs the window to build/screenshot.png and closes it.
#   scripts/run.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=$(cd "${1:-examples}" && pwd)
bash scripts/setup.sh
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target lumvo1

if [ -z "${DISPLAY:-}" ]; then
  exec bash scripts/screenshot.sh "$folder"
fi
source scripts/wine-env.sh
wine_env_start
cd "$folder"
wine_run "$OLDPWD/build/mingw64/win/lumvo1.exe"
