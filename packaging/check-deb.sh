#!/bin/bash
# Checks in a built plakmund .deb what lintian, appstreamcli and desktop-file-validate
# (run by scripts/package) do not: that Depends covers every library its programs
# link, that the desktop entry's icon is in the package, that the desktop entry, the
# metainfo and the program name one id, that the installed file types name cartridge
# images and set files for mimetype, GIO and Qt without taking certificates, that the
# bash completion offers what plakmund-build takes, and that the installed documents
# link only to installed files.
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
# Qt loads the plugin that opens the window at run time, unseen by dpkg-shlibdeps: its package
# must be a dependency too, or an install without recommends has no window.
xcb=$(owner /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so)
if [[ $depends_names == *" $xcb "* ]]; then
    echo "the X11 platform plugin from $xcb"
else
    fail "the X11 platform plugin comes from ${xcb:-no package}, which Depends does not name"
fi

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

# Ids: desktops match a window to its entry by the desktop file name the program
# reports (Wayland's app id) or, on X11, by its WM_CLASS, which Qt takes from the
# program's name. The entry's file name, the metainfo's id and launchable and the
# name compiled into the program must agree, and StartupWMClass must name the program.
for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
    id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo" | head -n 1)
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    desktop=usr/share/applications/$id.desktop
    [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] ||
        fail "${metainfo#"$root"/} is not named after its id $id"
    [ "$launchable" = "$id.desktop" ] || fail "${metainfo#"$root"/}: launchable '$launchable', not $id.desktop"
    if [ ! -f "$root/$desktop" ]; then
        fail "no desktop entry $desktop for the metainfo's id"
        continue
    fi
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/$desktop" | head -n 1)
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/$desktop" | head -n 1)
    [ -n "$exec_name" ] && [ "$wm_class" = "$(basename "$exec_name")" ] ||
        fail "$desktop: StartupWMClass '$wm_class' is not the program's name '$exec_name'"
    if [ -f "$root/usr/bin/$exec_name" ] && strings -el "$root/usr/bin/$exec_name" | grep -Fxq "$id"; then
        echo "id: $id names the desktop entry, the metainfo, its launchable and usr/bin/$exec_name's desktop file name"
    else
        fail "usr/bin/$exec_name does not report the desktop file name $id"
    fi
done

# File types: the system's definitions and the package's in one database, as after
# installing it, asked as desktops ask: mimetype (what xdg-mime asks without a
# desktop), GIO (GNOME) and Qt (the program's own file dialogs, KDE).
mime=$work/data/mime
mkdir -p "$mime/packages"
cp /usr/share/mime/packages/*.xml "$mime/packages/"
cp "$root"/usr/share/mime/packages/*.xml "$mime/packages/"  # over an installed copy
XDG_DATA_DIRS="$work/data" update-mime-database "$mime"
g++ -std=c++17 -fPIC -o "$work/qt-mime-type" "$(dirname "$0")/qt-mime-type.cpp" \
    $(pkg-config --cflags --libs Qt6Core)
samples=$work/samples
mkdir "$samples"
printf '"Game","/home/user/game.crt"\r\n' >"$samples/games.plk"
# A 16 KB cartridge image: its signature, the rest of the header block, the ROM.
{ printf 'C64 CARTRIDGE   '; head -c $((80 - 16 + 16384)) /dev/zero; } >"$samples/game.crt"
cp "$samples/game.crt" "$samples/renamed.bin"
printf -- '-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n' >"$samples/server.crt"
type_by() {
    case $1 in
        mimetype) mimetype --brief "$2" ;;
        gio) gio info --attributes=standard::content-type "$2" | sed -n 's/^ *standard::content-type: //p' ;;
        qt) "$work/qt-mime-type" "$2" ;;
    esac
}
while read -r sample expected; do
    agreed=yes
    for reader in mimetype gio qt; do
        actual=$(XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/data" type_by "$reader" "$samples/$sample")
        if [ "$actual" != "$expected" ]; then
            fail "file type: $reader names $sample $actual, not $expected"
            agreed=no
        fi
    done
    [ "$agreed" = no ] || echo "file type: $sample is $expected for mimetype, GIO and Qt"
done <<'EOF'
games.plk application/x-plakmund-set
game.crt application/x-c64-cartridge
renamed.bin application/x-c64-cartridge
server.crt application/x-x509-ca-cert
EOF

# Completion: the installed script, loaded as bash-completion loads it, offers what
# plakmund-build takes at each place on the command line. Each case is the line as
# typed up to the cursor, then what must be offered, sorted.
completion=usr/share/bash-completion/completions/plakmund-build
bash_completion=/usr/share/bash-completion/bash_completion
if [ ! -f "$root/$completion" ]; then
    fail "no bash completion in $completion"
elif [ ! -f "$bash_completion" ]; then
    fail "$bash_completion is missing: install bash-completion to check $completion"
else
    files=$work/completion
    mkdir -p "$files/folder"
    touch "$files/games.plk" "$files/OLD.PLK" "$files/notes.txt"
    while IFS='|' read -r line expected; do
        actual=$(cd "$files" && PATH="$root/usr/bin:$PATH" bash --norc --noprofile -c '
            source "$1" && source "$2" || exit 1
            line=$3
            read -ra COMP_WORDS <<<"$line"
            [[ $line == *" " ]] && COMP_WORDS+=("")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
            COMP_LINE=$line COMP_POINT=${#line}
            _plakmund_build plakmund-build "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
            printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | xargs' _ "$bash_completion" "$root/$completion" "$line")
        if [ "$actual" = "$expected" ]; then
            echo "completion: '$line' offers ${expected:-nothing}"
        else
            fail "completion: '$line' offers '$actual', not '$expected'"
        fi
    done <<'EOF'
plakmund-build --|--check --help --output --size --version
plakmund-build --o|--output
plakmund-build --size |1mb 2mb 512kb
plakmund-build --size 5|512kb
plakmund-build --output |OLD.PLK folder games.plk notes.txt
plakmund-build --check |OLD.PLK folder games.plk
plakmund-build --size 1mb g|games.plk
plakmund-build --version |
plakmund-build s|split
plakmund-build split --|--help --into --version
plakmund-build split --into |folder
plakmund-build verify --|--help --size --version
EOF
fi

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
