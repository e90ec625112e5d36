#!/usr/bin/env bash
# CMake's emulator for the 64-bit twin: runs a Windows program under wine64 in the project's own
# prefix, creating the prefix on first use. The X display is the caller's (scripts/test-windows.sh
# starts one).
set -euo pipefail
source "$(dirname "$0")/../scripts/wine-env.sh"
wine_prefix_ensure
exec "${wine_locale[@]}" "$WINELOADER" "$@"
