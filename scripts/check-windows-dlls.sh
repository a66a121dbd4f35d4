#!/usr/bin/env bash
# Checks that a Windows folder (the staged installation) carries every DLL its
# programs and plugins import: each import is either shipped in the folder (the
# program's own folder is where Windows looks first) or a DLL that every 64-bit
# Windows has. Lists the shipped DLLs.
set -euo pipefail
stage="$1"

# DLLs of Windows itself (system32), as the mingw-w64 import libraries name them.
system_dlls="advapi32 authz bcrypt comctl32 comdlg32 crypt32 d2d1 d3d9 d3d11 d3d12 dwmapi dwrite
dxgi gdi32 imm32 kernel32 mpr msvcrt netapi32 ntdll ole32 oleaut32 rpcrt4 setupapi shcore
shell32 shlwapi user32 userenv uxtheme version winmm winspool.drv ws2_32 wtsapi32"

shipped="$(cd "$stage" && find . -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')"
missing=0
while IFS= read -r -d '' binary; do
    while read -r dll; do
        lower="$(echo "$dll" | tr 'A-Z' 'a-z')"
        base="${lower%.dll}"
        if echo "$shipped" | grep -qxF "$lower"; then
            continue
        fi
        if [[ "$lower" == api-ms-win-* ]] || echo " $system_dlls " | tr '\n' ' ' | grep -q " $base "; then
            continue
        fi
        echo "check-windows-dlls: ${binary#"$stage"/} imports $dll, which is neither shipped nor part of Windows" >&2
        missing=1
    done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
if [ "$missing" -ne 0 ]; then
    exit 1
fi
echo "check-windows-dlls: every import is shipped or part of Windows; shipped:" $(cd "$stage" && find . -iname '*.dll' | sort)
