#!/usr/bin/env bash
# Runs a Windows program under Wine as if it ran directly: same standard
# input, output, error stream and exit code.
#
# Wine itself can fail to start a program, mostly while a new prefix is still
# being set up: then it fails without printing anything, or Wine's loader ends
# with one of its own status codes (cut to 8 bits: 53 for 0xC0000135, a DLL
# not found; 66 for 0xC0000142, a DLL that failed to start; 123 for
# 0xC000007B, a bad image), or a line of Wine's own ("wine: ...") comes
# first, or the run hangs. Such a run says nothing about the program, so it
# is made once more, and a line saying so is added to $WINE_RETRY_LOG (or
# written to standard error when that is not set). The programs run this way
# never fail without a message.
#
# Usage: scripts/wine-run.sh PROGRAM.exe ARGS...
# Environment: WINE            the wine command (default: wine, wine64, /usr/lib/wine/wine64)
#              WINE_TIMEOUT    seconds before a run counts as hung (default 300)
#              WINE_RETRY_LOG  file for the lines about runs made again
set -u -o pipefail

WINE=${WINE:-$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)}
limit=${WINE_TIMEOUT:-300}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Standard input is kept, so that a second run reads the same.
if [ -t 0 ]; then : >"$tmp/in"; else cat >"$tmp/in"; fi

start_failed() { # start_failed RC
    [ -s "$tmp/out" ] || [ -s "$tmp/err" ] || [ "$1" = 0 ] || return 0
    head -n 1 "$tmp/err" | grep -q '^wine: ' && return 0
    case $1 in 53 | 66 | 123 | 124) return 0 ;; esac
    return 1
}

note() {
    if [ -n "${WINE_RETRY_LOG:-}" ]; then echo "$*" >>"$WINE_RETRY_LOG"; else echo "wine-run: $*" >&2; fi
}

for attempt in 1 2; do
    timeout "$limit" "$WINE" "$@" <"$tmp/in" >"$tmp/out" 2>"$tmp/err"
    rc=$?
    start_failed "$rc" || break
    bytes=$(($(wc -c <"$tmp/out") + $(wc -c <"$tmp/err")))
    if [ "$attempt" = 1 ]; then
        note "Wine failed to start $* (exit $rc, $bytes bytes of output): ran it once more"
    else
        note "Wine failed to start $* again (exit $rc): that result is kept"
    fi
done
cat "$tmp/out"
cat "$tmp/err" >&2
exit "$rc"
