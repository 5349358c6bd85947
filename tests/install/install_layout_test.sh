#!/usr/bin/env bash
# Installs the build into a fresh DESTDIR under /usr and checks what a
# Debian system would get: the layout, the programs running from their
# installed place (the link library found there, not in the build tree),
# the desktop entries, the file types and the manual pages.
set -euo pipefail
build=$1 dest=$2 bindir=$3 libdir=$4 updaterdir=$5 datadir=$6

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_file() { [ -f "$dest/usr/$1" ] || fail "missing /usr/$1"; }

rm -rf "$dest"
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null

for program in quillet-cli torvik-sim; do expect_file "$bindir/$program"; done
[ -f "$build/bin/quillet" ] && expect_file "$bindir/quillet"
[ -f "$build/bin/RIVO/rivo32" ] && expect_file "$updaterdir/rivo32"
[ -d "$dest/usr/$bindir/RIVO" ] && fail "an upgrader folder in bin"

# The library: real file, SONAME link and development link, header, pkg-config.
lib="$dest/usr/$libdir"
soname=$(objdump -p "$lib/libtorvlink.so" | awk '/SONAME/ {print $2}')
[ "$soname" = "libtorvlink.so.1" ] || fail "SONAME is '$soname'"
[ -L "$lib/libtorvlink.so.1" ] || fail "no libtorvlink.so.1 link"
expect_file include/torvlink.h
expect_file "$libdir/pkgconfig/torvlink.pc"
PKG_CONFIG_PATH="$lib/pkgconfig" PKG_CONFIG_SYSROOT_DIR="$dest" pkg-config --libs torvlink \
    | grep -q -- "-ltorvlink" || fail "pkg-config does not give -ltorvlink"

share="$dest/usr/$datadir"

# Installed programs run from their installed place; the library they load
# is the installed one.
export LD_LIBRARY_PATH="$lib"
for program in quillet-cli torvik-sim; do
  exe="$dest/usr/$bindir/$program"
  if readelf -d "$exe" | grep -qE 'RPATH|RUNPATH'; then fail "$program keeps a search path"; fi
  "$exe" --version | grep -qE "^$program [0-9]+\.[0-9]+" || fail "$program --version"
done
# The simulator never links the library; the tool does.
loaded=$(ldd "$dest/usr/$bindir/quillet-cli" | awk '/libtorvlink/ {print $3}')
[ "$loaded" = "$lib/libtorvlink.so.1" ] || fail "quillet-cli loads libtorvlink from '$loaded'"
if [ -f "$dest/usr/$updaterdir/rivo32" ]; then
  "$dest/usr/$updaterdir/rivo32" --version | grep -qE '^rivo32 [A-Z]\.[0-9]{2}$' || fail "rivo32 --version"
fi
"$dest/usr/$bindir/torvik-sim" --demo --dump-unit >"$dest/unit.json" || fail "installed torvik-sim does not run"
cmp -s "$dest/unit.json" "$share/doc/quillet/examples/demo-unit.json" ||
    fail "the installed example differs from the demo unit"

# Desktop entries, file types, icons, manual pages and documentation.
for entry in quillet rivo32; do
  desktop-file-validate "$share/applications/$entry.desktop" || fail "$entry.desktop"
  expect_file "$datadir/icons/hicolor/scalable/apps/$entry.svg"
  expect_file "$datadir/icons/hicolor/48x48/apps/$entry.png"
done
xmllint --noout "$share/mime/packages/quillet.xml" || fail "MIME XML"
for type in autotest graph standards curve-template; do
  grep -q "application/x-quillet-$type" "$share/mime/packages/quillet.xml" || fail "no $type type"
done
mime="$dest/mime-cache"
mkdir -p "$mime/mime/packages"
cp "$share/mime/packages/quillet.xml" "$mime/mime/packages/"
update-mime-database "$mime/mime" >"$dest/mime.log" 2>&1 || fail "update-mime-database: $(cat "$dest/mime.log")"
grep -q "application/x-quillet-autotest" "$mime/mime/globs2" || fail "no glob for .tat"
# A document is known by its header even without its extension.
sniff() {
  printf '%b' "$2" >"$dest/sniffed"
  type=$(XDG_DATA_DIRS="$mime:/usr/share" gio info -a standard::content-type "$dest/sniffed" |
         awk '/content-type/ {print $2}')
  [ "$type" = "application/x-quillet-$1" ] || fail "a $1 header is taken for '$type'"
}
sniff autotest '\x2bApplication Quillet\tvD.06\tDocument AutoTest\0'
sniff graph '\x2cApplication Quillet\tvD.06\tDocument Graphique\0'
sniff standards '\x28Application Quillet\tvD.06\tDocument Norme\0'
for page in quillet quillet-cli torvik-sim rivo32; do
  man1="$share/man/man1/$page.1.gz"
  [ -f "$man1" ] || { fail "no manual page $page"; continue; }
  warnings=$(zcat "$man1" | groff -man -ww -z 2>&1) || true
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done
for doc in copyright changelog.gz README.md examples/demo-unit.json; do
  expect_file "$datadir/doc/quillet/$doc"
done

[ "$failures" -eq 0 ] && echo "install layout: all checks passed"
exit $((failures > 0))
