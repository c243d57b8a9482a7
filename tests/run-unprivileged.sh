#!/bin/bash
# Runs a test program as the unprivileged user "nobody" when started as root,
# so that file permissions hold as they do for users; otherwise runs it as is.
# Usage: run-unprivileged.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
# A copy in a folder that nobody can reach, since the build folder may lie
# where nobody can.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
program="$copy/$(basename "$1")"
cp "$1" "$program"
chmod 755 "$copy" "$program"
shift
# The leak suppressions of the sanitizer build may lie where nobody can read them.
env -u LSAN_OPTIONS HOME="$copy" setpriv --reuid=nobody --regid=nogroup --clear-groups "$program" "$@"
