#!/bin/bash
# Checks in a built plakmund .deb what lintian, appstreamcli and desktop-file-validate
# (run by scripts/package) do not: that Depends covers every library its programs
# link, that the desktop entry's icon is in the package, and that the installed
# documents link only to installed files.
# Usage: packaging/check-deb.sh path/to/plakmund_VERSION_ARCH.deb
# Prints what it checked; exits 1 after listing every failure.
set -euo pipefail

deb=${1:?usage: $0 package.deb}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Libraries: each NEEDED entry of each program, resolved as the loader would, must be
# shipped by a package that Depends names.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: ${depends:-(none)}"
depends_names=" $(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/:.*//; s/[[:space:]]//g' | xargs) "
owner() {  # the package shipping a file; dpkg may record it with or without /usr
    local other=/usr$1
    [[ $1 == /usr/* ]] && other=${1#/usr}
    { dpkg -S "$1" || dpkg -S "$other"; } 2>/dev/null | head -n 1 | sed 's/[:,].*//'
}
programs=0
for binary in "$root"/usr/bin/*; do
    [ "$(head -c 4 "$binary")" = $'\x7fELF' ] || continue
    programs=$((programs + 1))
    name=${binary#"$root"/}
    needed=$(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    [ -n "$needed" ] || fail "readelf finds no NEEDED libraries in $name"
    resolved=$(ldd "$binary")
    for lib in $needed; do
        path=$(awk -v lib="$lib" '$1 == lib && $2 == "=>" && $3 ~ /^\// { print $3 }' <<<"$resolved")
        if [ -z "$path" ]; then
            fail "$name: $lib: the loader does not find it on this system"
            continue
        fi
        package=$(owner "$path")
        if [ -z "$package" ]; then
            fail "$name: $lib: $path belongs to no installed package"
        elif [[ $depends_names != *" $package "* ]]; then
            fail "$name: $lib comes from $package, which Depends does not name"
        else
            echo "$name: $lib from $package"
        fi
    done
done
[ "$programs" -gt 0 ] || fail "no program in usr/bin"

# Icons: the desktop entry's Icon in the hicolor theme, a PNG at each size.
for desktop in "$root"/usr/share/applications/*.desktop; do
    icon=$(sed -n 's/^Icon=//p' "$desktop" | head -n 1)
    icons=("$root"/usr/share/icons/hicolor/*/apps/"$icon".png)
    if [ -z "$icon" ] || [ ! -f "${icons[0]}" ]; then
        fail "${desktop#"$root"/}: its icon '$icon' is not in usr/share/icons/hicolor"
    else
        echo "${desktop#"$root"/}: icon $icon at ${#icons[@]} sizes"
    fi
done

# Documents: every relative link in an installed Markdown file leads to an
# installed file.
while IFS= read -r -d '' doc; do
    links=0
    while IFS= read -r target; do
        target=${target%%#*}
        [ -n "$target" ] || continue
        links=$((links + 1))
        [ -e "$(dirname "$doc")/$target" ] || fail "${doc#"$root"/} links to $target, which is not installed"
    done < <(grep -oE '\]\([^) ]+|^\[[^]]+\]: *[^ ]+' "$doc" | sed -E 's/^\]\(//; s/^\[[^]]+\]: *//' |
             grep -vE '^[a-zA-Z][a-zA-Z+.-]*:' || true)
    echo "${doc#"$root"/}: $links relative link(s)"
done < <(find "$root/usr/share/doc" -name '*.md' -print0)

if [ "$failures" -ne 0 ]; then
    echo "$deb: $failures check(s) failed" >&2
    exit 1
fi
echo "$deb: all checks passed"
