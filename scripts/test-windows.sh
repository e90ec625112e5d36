#!/usr/bin/env bash
# Builds the Windows program, the 32-bit deliverable and its 64-bit twin, checks the
# deliverable's format and resources, and runs the twin's tests under Wine on a private X
# display. Every step has a time limit; any failure ends the script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)

echo "== mingw32: the deliverable and its ZIP"
# No tests in this build: nothing 32-bit can run on these machines.
cmake --preset mingw32 -DBUILD_TESTING=OFF >/dev/null
timeout 900 cmake --build --preset mingw32 -j "$jobs" --target lumvo1 package
program=build/mingw32/win/lumvo1.exe
file "$program" | grep -q 'PE32 executable (GUI) Intel 80386' || {
  echo "$program is not a 32-bit x86 GUI program: $(file -b "$program")" >&2
  exit 1
}
# Statically linked: the program may import system DLLs only.
imports=$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | sort -u)
unexpected=$(grep -viE '^(kernel32|user32|gdi32|msvcrt|advapi32|shell32)\.dll$' <<<"$imports" || true)
[ -z "$unexpected" ] || {
  echo "$program imports DLLs that Windows does not have: $unexpected" >&2
  exit 1
}
resources=$(i686-w64-mingw32-windres -i "$program" -O rc)
for expected in 'LANGUAGE 21, 1' '101 MENU' 'MENUITEM "&Kopiuj do schowka", 40001' \
  'MENUITEM L"&Warto\x015b\x0107 zadana", 40004, CHECKED' \
  'MENUITEM L"&Odpowied\x017a uk\x0142adu", 40005, CHECKED' 'MENUITEM "O...", 40008' \
  '1 24 /* RT_MANIFEST */' 'level=""asInvoker"" uiAccess=""false""'; do
  grep -qF "$expected" <<<"$resources" || {
    echo "$program lacks the resource line: $expected" >&2
    exit 1
  }
done
echo "$program: $(file -b "$program" | cut -d, -f1), resources present"
package=build/mingw32/package/Lumvo1-1.0-win32.zip
listing=$(unzip -Z1 "$package")
for name in lumvo1.exe czas.txt w_zad.txt sterow.txt wyj_obj.txt CZYTAJ.txt; do
  grep -qx "Lumvo1-1.0-win32/$name" <<<"$listing" || {
    echo "$package lacks $name" >&2
    exit 1
  }
done
echo "$package: $(wc -l <<<"$listing") files"

echo "== mingw64: the twin, tested under Wine"
cmake --preset mingw64 >/dev/null
timeout 900 cmake --build --preset mingw64 -j "$jobs" \
  --target lumvo1 lumvo1_win_tests lumvo1_end_to_end_test lumvo1_soak_test
source scripts/wine-env.sh
wine_env_start --own-display
timeout 600 ctest --test-dir build/mingw64/tests/win --output-on-failure --timeout 120
