#!/usr/bin/env bash
# Renders each manual page given (default: man/*.1) as man and lintian do and
# fails on any warning.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- man/*.1
status=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        printf '%s:\n%s\n' "$page" "$warnings"
        status=1
    fi
done
[ $status -eq 0 ] && echo "check-manpages: $* render without warnings"
exit $status
