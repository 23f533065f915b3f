#!/usr/bin/env bash
# Fetches large real C programs for the structural check into
# tests/structure/real/ (ignored by git; the check skips the folder when it
# is missing):
#   sqlite3.c  from the npm package better-sqlite3
#   duktape.c  from the npm package duktape
# Set XLAT_TARBALLS to a folder that already holds the packed .tgz files to
# take them from there instead of the npm registry. Set DEBIAN_SOURCES to a
# list of Debian source packages (for example "zlib lua5.4") to add their .c
# files too, under debian/PACKAGE/; that needs deb-src lines in the apt
# sources and the dpkg-dev package.
set -euo pipefail
cd "$(dirname "$0")/.."
dest=$PWD/tests/structure/real
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# npm_file PACKAGE VERSION PATH-IN-PACKAGE NAME
npm_file() {
    local tarball="${XLAT_TARBALLS:-}/$1-$2.tgz"
    if [ -z "${XLAT_TARBALLS:-}" ] || [ ! -f "$tarball" ]; then
        tarball=$work/$(cd "$work" && npm pack --silent "$1@$2" | tail -1)
    fi
    tar -xzf "$tarball" -C "$work" "package/$3"
    cp "$work/package/$3" "$dest/$4"
    rm -rf "$work/package"
    echo "fetched $4 ($(wc -c < "$dest/$4") bytes)"
}

npm_file better-sqlite3 12.11.1 deps/sqlite3/sqlite3.c sqlite3.c
npm_file duktape 0.3.0 lib/duktape/src/duktape.c duktape.c

for package in ${DEBIAN_SOURCES:-}; do
    mkdir -p "$work/debian/$package" "$dest/debian/$package"
    (cd "$work/debian/$package" && apt-get source -qq "$package" >/dev/null)
    find "$work/debian/$package" -name '*.c' -exec cp {} "$dest/debian/$package/" \;
    echo "fetched the C files of $package ($(ls "$dest/debian/$package" | wc -l) files)"
done
