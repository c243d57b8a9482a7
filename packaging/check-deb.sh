#!/bin/bash
# Checks a built plakmund .deb: its exact file list, its desktop entry, and that
# every library the program links comes from a package named in its Depends.
# Usage: packaging/check-deb.sh path/to/plakmund_VERSION_ARCH.deb
# Prints what it checked; exits 1 after listing every failure.
set -euo pipefail

deb=${1:?usage: $0 package.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Files: exactly these, nothing missing and nothing extra (folders aside).
sizes="16 32 48 128 256"
expected=$({
    echo usr/bin/plakmund
    echo usr/share/applications/plakmund.desktop
    for size in $sizes; do echo "usr/share/icons/hicolor/${size}x${size}/apps/plakmund.png"; done
    echo usr/share/doc/plakmund/README.md
} | sort)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
if [ "$actual" = "$expected" ]; then
    echo "files: the $(wc -l <<<"$expected") expected files"
else
    fail "file list differs from the expected one (< expected, > in the package):"
    diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' >&2 || true
fi
for size in $sizes; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/plakmund.png
    [ -f "$icon" ] || continue  # already reported above
    file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
        fail "${icon#"$root"/} is not a $size x $size PNG: $(file -b "$icon")"
done
echo "control: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version) $(dpkg-deb -f "$deb" Architecture)"
[ "$(dpkg-deb -f "$deb" Package)" = plakmund ] || fail "Package is not plakmund"

# Desktop entry: valid for desktop-file-validate, and its program and icon are the
# ones in the package.
desktop=$root/usr/share/applications/plakmund.desktop
if [ -f "$desktop" ]; then
    key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
    [ "$(key Type)" = Application ] || fail "desktop entry: Type is '$(key Type)', not Application"
    [ "$(key Name)" = Plakmund ] || fail "desktop entry: Name is '$(key Name)', not Plakmund"
    [ -n "$(key Comment)" ] || fail "desktop entry: no Comment"
    for category in Utility Development; do
        [[ ";$(key Categories)" == *";$category;"* ]] || fail "desktop entry: Categories lack $category"
    done
    command=$(key Exec | cut -d ' ' -f 1)
    [ -x "$root/usr/bin/$command" ] || fail "desktop entry: Exec runs '$command', which is not in usr/bin"
    [ "$(key Icon)" = plakmund ] || fail "desktop entry: Icon is '$(key Icon)', not the installed plakmund"
    echo "desktop entry: Exec=$(key Exec) Icon=$(key Icon) Categories=$(key Categories)"
fi

# Libraries: each NEEDED entry of the program, resolved as the loader would, must be
# shipped by a package that Depends names.
binary=$root/usr/bin/plakmund
[ -f "$binary" ] || { echo "$failures check(s) failed" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: ${depends:-(none)}"
depends_names=" $(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/:.*//; s/[[:space:]]//g' | xargs) "
needed=$(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf finds no NEEDED libraries in usr/bin/plakmund"
! readelf -d "$binary" | grep -qE '\((RPATH|RUNPATH)\)' || fail "usr/bin/plakmund carries an RPATH/RUNPATH"
resolved=$(ldd "$binary")
owner() {  # the package shipping a file; dpkg may record it with or without /usr
    local other=/usr$1
    [[ $1 == /usr/* ]] && other=${1#/usr}
    { dpkg -S "$1" || dpkg -S "$other"; } 2>/dev/null | head -n 1 | sed 's/[:,].*//'
}
for lib in $needed; do
    path=$(awk -v lib="$lib" '$1 == lib && $2 == "=>" && $3 ~ /^\// { print $3 }' <<<"$resolved")
    if [ -z "$path" ]; then
        fail "$lib: the loader does not find it on this system"
        continue
    fi
    package=$(owner "$path")
    if [ -z "$package" ]; then
        fail "$lib: $path belongs to no installed package"
    elif [[ $depends_names != *" $package "* ]]; then
        fail "$lib: comes from $package, which Depends does not name"
    else
        echo "library: $lib from $package"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$deb: $failures check(s) failed" >&2
    exit 1
fi
echo "$deb: all checks passed"
