#!/usr/bin/env bash
# Collects every translatable text of src/ (tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP,
# the "StringTable" messages included) into resources/en/English.ts and
# resources/zh/Chinese.ts. Existing translations are kept; new texts come in as
# unfinished and need a Chinese translation. Run again whenever texts change.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=""
for candidate in lupdate /usr/lib/qt6/bin/lupdate /usr/lib/qt6/libexec/lupdate; do
    if command -v "$candidate" >/dev/null 2>&1; then
        lupdate="$candidate"
        break
    fi
done
if [ -z "$lupdate" ]; then
    echo "update-translations: lupdate not found (install qt6-l10n-tools)" >&2
    exit 1
fi

"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui \
    -source-language en -target-language en src -ts resources/en/English.ts
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui \
    -source-language en -target-language zh_CN src -ts resources/zh/Chinese.ts

unfinished=$(grep -c 'type="unfinished"' resources/zh/Chinese.ts || true)
echo "update-translations: $unfinished Chinese texts still to translate"
