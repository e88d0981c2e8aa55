#!/usr/bin/env bash
# Runs every example through every method, with and without --steps (and
# each example with --analysis and with --compare), natively and with the
# browser edition's command line under node, and compares standard output,
# standard error and the exit status byte for byte.
#   scripts/web-compare.sh NATIVE_LINEER NODE_LINEER_JS
# The node edition writes numbers with a decimal point; the native program
# is run in the C locale, which does too.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
native="${1:-$root/build/lineer}"
web="${2:-$root/build-web/lineer.js}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export LC_ALL=C
# The methods as the help lists them: "  name  what it does".
mapfile -t methods < <("$native" --help | sed -n 's/^  \([a-z][a-z-]*\)  .*/\1/p')
compared=0 differ=0
check() {
    (cd "$root/examples" && "$native" "$@" >"$tmp/n.out" 2>"$tmp/n.err"; echo $? >"$tmp/n.rc")
    (cd "$root/examples" && node "$web" "$@" >"$tmp/w.out" 2>"$tmp/w.err"; echo $? >"$tmp/w.rc")
    compared=$((compared + 1))
    for part in out err rc; do
        if ! cmp -s "$tmp/n.$part" "$tmp/w.$part"; then
            differ=$((differ + 1))
            echo "DIFFERS ($part): lineer $*"
            diff "$tmp/n.$part" "$tmp/w.$part" | head -5
            break
        fi
    done
}
for file in "$root"/examples/*.txt; do
    name="$(basename "$file")"
    for method in "${methods[@]}"; do
        check --method "$method" "$name"
        check --method "$method" --steps "$name"
    done
    check --method gauss --analysis "$name"
    check --compare "$name"
    check --lang en --method sor --w 1.2 --analysis "$name"
done
# Usage errors and a file that is not there.
check --method nothing uc-denklem.txt
check no-such-file.txt
# The files the toolkit makes are the native program's: a usage error.
(cd "$root/examples" && node "$web" --method gauss --picture "$tmp/x.png" uc-denklem.txt >"$tmp/w.out" 2>"$tmp/w.err")
rc=$?
if [ $rc -ne 2 ] || [ -s "$tmp/w.out" ] || ! grep -q -- "--picture bu sürümde yok" "$tmp/w.err"; then
    echo "node --picture: status $rc, $(cat "$tmp/w.err")"
    differ=$((differ + 1))
fi
echo "${#methods[@]} methods; $compared runs compared, $differ differ"
[ "$differ" -eq 0 ]
