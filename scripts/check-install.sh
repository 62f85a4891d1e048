#!/usr/bin/env bash
# The Release build with warnings as errors, installed into a staging folder:
# every file of a desktop installation is there and nothing else, the desktop
# entry, the AppStream metadata and the MIME types are valid, the man pages
# render, both programs print the project's version, and lintian finds no
# error in the Debian package.
#   scripts/check-install.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
fail() { echo "check-install: $*" >&2; exit 1; }

VORLUNE_WERROR=ON bash scripts/build-package.sh "$build" > /dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage=$PWD/$build/stage
rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" > /dev/null

expected="usr/bin/vorlune
usr/bin/vorlune-cli
usr/share/applications/org.vorlune.Vorlune.desktop
usr/share/doc/vorlune/changelog.gz
usr/share/doc/vorlune/copyright
usr/share/icons/hicolor/128x128/apps/vorlune.png
usr/share/icons/hicolor/16x16/apps/vorlune.png
usr/share/icons/hicolor/256x256/apps/vorlune.png
usr/share/icons/hicolor/32x32/apps/vorlune.png
usr/share/icons/hicolor/48x48/apps/vorlune.png
usr/share/icons/hicolor/64x64/apps/vorlune.png
usr/share/man/man1/vorlune-cli.1.gz
usr/share/man/man1/vorlune.1.gz
usr/share/metainfo/org.vorlune.Vorlune.metainfo.xml
usr/share/mime/packages/vorlune.xml"
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(echo "$expected" | LC_ALL=C sort)" ] ||
  fail "installed files differ:$(diff <(echo "$expected" | LC_ALL=C sort) <(echo "$installed"))"

for size in 16 32 48 64 128 256; do
  png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/vorlune.png
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)" = "$size $size" ] || fail "$png is not $size px"
done

desktop-file-validate "$stage/usr/share/applications/org.vorlune.Vorlune.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.vorlune.Vorlune.metainfo.xml" > /dev/null ||
  fail "AppStream metadata not valid"
grep -q "release version=\"$version\"" "$stage/usr/share/metainfo/org.vorlune.Vorlune.metainfo.xml" ||
  fail "no release notes for $version"

# The MIME types build into a database, with the skin told by its type and creator.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mime=$data/mime
mkdir -p "$mime/packages"
cp "$stage/usr/share/mime/packages/vorlune.xml" "$mime/packages/"
out=$(XDG_DATA_DIRS=$data update-mime-database "$mime" 2>&1) && [ -z "$out" ] || fail "MIME types not valid: $out"
for type in x-vorlune-project x-vorlune-skin; do
  [ -f "$mime/application/$type.xml" ] || fail "MIME type $type missing"
done
grep -q "DataVrln" "$mime/magic" || fail "no magic rule for the skin"

for page in vorlune vorlune-cli; do
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$stage/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$out" ] || fail "man page $page: $out"
  LC_ALL=C.UTF-8 man -l "$stage/usr/share/man/man1/$page.1.gz" | grep -q "EXIT STATUS" || fail "$page(1) empty"
done
for command in import info place remove build render; do
  zcat "$stage/usr/share/man/man1/vorlune-cli.1.gz" | grep -q "^\.BI* \"*$command" || fail "vorlune-cli.1 misses $command"
done

[ "$("$stage/usr/bin/vorlune-cli" --version)" = "vorlune-cli $version" ] || fail "vorlune-cli --version"
[ "$(env -u DISPLAY "$stage/usr/bin/vorlune" --version)" = "vorlune $version" ] || fail "vorlune --version"

if command -v lintian > /dev/null; then
  lintian --fail-on error "$build"/vorlune_*.deb
fi
echo "check-install: Release build, $(echo "$installed" | wc -l) installed files and the package are sound"
