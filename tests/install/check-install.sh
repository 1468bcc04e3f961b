#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what a user and a host developer would:
# veritor-rules from <prefix>/bin, a host built against the CMake package config and the same
# host built with pkg-config, then the Debian package built by CPack, unpacked and run.
#     check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VERITOR_REGISTRY=/nonexistent/user.reg LC_ALL=C
expected_rules=13

fail() { echo "check-install: $*" >&2; exit 1; }

# The installed host finds its module, language folder and help file wherever the tree lies.
check_host() {
    local program=$1 root=$2
    local info
    info=$("$program" info) || fail "$program info failed"
    grep -qx "folder: english" <<<"$info" || fail "$program info: $info"
    grep -qx "help: $root/lib/veritor/Lang/english/veritor.chm" <<<"$info" ||
        fail "$program info names another help file: $info"
    [ "$("$program" list | grep -c '^  display name: ')" -eq $expected_rules ] ||
        fail "$program list does not show the $expected_rules rules"
    LC_ALL=fr_FR.UTF-8 "$program" info | grep -qx "folder: french" ||
        fail "$program does not reach the French folder"
    # The check command is loaded only when it runs, from beside the program.
    "$program" new "$work/rules.xml" --force >/dev/null || fail "$program new failed"
    local refused
    refused=$("$program" check "$work/missing.stl" "$work/rules.xml" 2>&1) &&
        fail "$program check accepted a missing part"
    grep -q "missing.stl: cannot be read" <<<"$refused" ||
        fail "$program check does not reach the part checker: $refused"
    # Parts are read by veritor-part-reader, found beside the libraries.
    local checked=0
    "$program" check "$work/tetrahedron.stl" "$work/rules.xml" >/dev/null 2>"$work/check.err" ||
        checked=$?
    [ $checked -le 1 ] || fail "$program check does not read a part: $(cat "$work/check.err")"
}

# The studio's desktop entry, icon, document type and AppStream description are installed and
# valid, with the validators where the machine has them; the type is one the MIME database takes.
check_desktop() {
    local root=$1 number=$2 id=invalid.veritor.Studio
    local entry=$root/share/applications/$id.desktop
    local metainfo=$root/share/metainfo/$id.metainfo.xml
    local mime=$root/share/mime/packages/$id.xml
    for file in "$entry" "$metainfo" "$mime" "$root/share/icons/hicolor/scalable/apps/$id.svg"; do
        [ -s "$file" ] || fail "${file#"$root"/} is not installed"
        case $file in *.xml | *.svg) xmllint --noout "$file" || fail "$file is not well-formed" ;; esac
    done
    grep -qx "Exec=veritor-studio %f" "$entry" || fail "the desktop entry does not open files"
    grep -qx "MimeType=application/x-veritor-rules+xml;" "$entry" ||
        fail "the desktop entry does not take rule documents"
    grep -q "<release version=\"$number\"" "$metainfo" ||
        fail "the AppStream release is not $number"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "$entry does not validate"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" >/dev/null ||
            fail "$metainfo does not validate: $(appstreamcli validate --no-net "$metainfo")"
    fi
    if command -v update-mime-database >/dev/null; then
        local database=$work/share/mime
        mkdir -p "$database/packages"
        cp "$mime" "$database/packages/"
        update-mime-database "$database" >/dev/null 2>"$work/mime.err" ||
            fail "the MIME database refuses the type: $(cat "$work/mime.err")"
        [ -s "$database/application/x-veritor-rules+xml.xml" ] ||
            fail "the MIME database does not hold application/x-veritor-rules+xml"
        if command -v gio >/dev/null; then
            # A rule document is known by its root element; any other XML file is not one.
            printf '<?xml version="1.0"?>\n<parts/>\n' >"$work/other.xml"
            [ "$(mime_type "$work/rules.xml")" = application/x-veritor-rules+xml ] ||
                fail "a rule document is typed $(mime_type "$work/rules.xml")"
            [ "$(mime_type "$work/other.xml")" != application/x-veritor-rules+xml ] ||
                fail "any XML file is taken for a rule document"
        fi
    fi
}

mime_type() {
    XDG_DATA_DIRS=$work/share:/usr/share XDG_DATA_HOME=$work/nonexistent \
        gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}

# A tetrahedron, its faces wound outward.
tetrahedron=("0 0 0;0 10 0;10 0 0" "0 0 0;10 0 0;0 0 10" "0 0 0;0 0 10;0 10 0"
             "10 0 0;0 10 0;0 0 10")
{
    echo "solid tetrahedron"
    for facet in "${tetrahedron[@]}"; do
        echo "facet normal 0 0 0"
        echo "outer loop"
        IFS=';' read -ra corners <<<"$facet"
        for corner in "${corners[@]}"; do echo "vertex $corner"; done
        echo "endloop"
        echo "endfacet"
    done
    echo "endsolid tetrahedron"
} >"$work/tetrahedron.stl"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -L "$prefix/bin/veritor-rules" ] || fail "no link to veritor-rules in $prefix/bin"
[ -L "$prefix/bin/veritor-studio" ] || fail "no link to veritor-studio in $prefix/bin"
for file in lib/veritor/bin/TeskCommonRulesu.so lib/veritor/bin/veritorframeworku.so \
            lib/veritor/bin/veritorplatform.so lib/veritor/bin/veritordocument.so \
            lib/veritor/bin/veritor-rules-check.so lib/veritor/bin/veritor-part-reader \
            lib/veritor/bin/veritor-check.schema.json \
            lib/veritor/Lang/english/TeskIMRulesResu.so \
            lib/veritor/Lang/zh_TW/veritor.chm lib/veritor/Lang/japanese/veritor-studio_ja.qm \
            include/veritor/rules/CTeskIMDraftAngleRule.h \
            lib/cmake/Veritor/VeritorConfig.cmake lib/pkgconfig/veritor.pc \
            share/man/man1/veritor-rules.1; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
version=$("$prefix/bin/veritor-rules" --version)
check_host "$prefix/bin/veritor-rules" "$prefix"
check_desktop "$prefix" "${version#veritor-rules }"

# The tree is relocatable: moved as a whole, it still finds its parts.
mv "$prefix" "$work/moved"
prefix=$work/moved
check_host "$prefix/bin/veritor-rules" "$prefix"
# Without a display it draws on Qt's offscreen platform of its own accord.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
    "$prefix/bin/veritor-studio" --screenshot "Draft Angle" "$work/draft.png" 2>/dev/null ||
    fail "the installed veritor-studio does not draw a dialog without a display"
[ -s "$work/draft.png" ] || fail "the installed veritor-studio draws an empty picture"
"$prefix/bin/veritor-studio" --help | grep -q "^usage: veritor-studio" ||
    fail "the installed veritor-studio --help prints no usage"

cmake -S "$source/tests/install/consumer" -B "$work/consumer" -G Ninja \
      -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
[ "$("$work/consumer/veritor-consumer" | wc -l)" -eq $expected_rules ] ||
    fail "the host built with the package config does not build the $expected_rules rules"
"$work/consumer/veritor-consumer" | grep -qx "Draft Angle" || fail "no Draft Angle rule"

# shellcheck disable=SC2046
c++ -std=c++20 -o "$work/pkgconfig-consumer" "$source/tests/install/consumer/main.cpp" \
    $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs veritor)
[ "$("$work/pkgconfig-consumer" | wc -l)" -eq $expected_rules ] ||
    fail "the host built with pkg-config does not build the $expected_rules rules"

(cd "$build" && cpack -G DEB -B "$work/packages" >/dev/null)
package=$(ls "$work"/packages/*.deb)
dpkg-deb --field "$package" Version | grep -qx "${version#veritor-rules }" ||
    fail "the package's version differs from veritor-rules --version ($version)"
dpkg-deb --field "$package" Depends | grep -q libfmt || fail "the package declares no libfmt"
for needed in libqt6widgets6 qt6-translations-l10n libchm1 fonts-dejavu-core fonts-noto-cjk; do
    dpkg-deb --field "$package" Depends | grep -q "$needed" ||
        fail "the package declares no $needed, which veritor-studio needs"
done
dpkg-deb -x "$package" "$work/root"
[ -e "$work/root/usr/lib/veritor/Lang/zh_CN/veritor-studio_zh_CN.qm" ] ||
    fail "the package holds no translation of veritor-studio"
check_host "$work/root/usr/bin/veritor-rules" "$work/root/usr"
check_desktop "$work/root/usr" "${version#veritor-rules }"
echo "check-install: installed tree, package config, pkg-config and Debian package all work"
