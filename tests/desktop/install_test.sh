#!/usr/bin/env bash
# Installs into a scratch prefix and checks what desktops read: the launcher, the file types and the icons.
set -euo pipefail
build=$1; prefix=$2
rm -rf "$prefix"
# As after ./run.sh: only the application target is built (the rendered icons are dropped first), and the
# install must still find every file it copies.
rm -rf "$build/desktop/icons"
cmake --build "$build" --target vellorin >/dev/null
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.vellorin.Vellorin
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$prefix/bin/vellorin" ] || fail "no executable"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop file"
grep -qx 'MimeType=text/x-vellorin-song;' "$prefix/share/applications/$id.desktop" || fail "the launcher claims more than songs"

xmllint --noout "$prefix/share/mime/packages/$id.xml" || fail "MIME file"
# The install itself refreshed the prefix's caches: the song type is known there, and the launcher is listed
# for it.
globs=$prefix/share/mime/globs2
grep -q ':text/x-vellorin-song:\*\.pro$' "$globs" || fail "*.pro is no song"
grep -q ':text/x-vellorin-song:\*\.onsong$' "$globs" || fail "*.onsong is no song"
grep -q ':application/x-vellorin-layout:\*\.vellorinlayout$' "$globs" || fail "layout type"
grep -q '^20:text/x-vellorin-playlist:\*\.lst$' "$globs" || fail "playlists keep a low weight"
! grep -q 'vellorin.*\*\.\(txt\|pdf\)$' "$globs" || fail "text files or PDFs claimed"

song=$(mktemp --suffix=.pro)
trap 'rm -f "$song"' EXIT
echo "{title: Amazing Grace}" >"$song"
type=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share" gio info -a standard::content-type "$song" 2>/dev/null |
       sed -n 's/^ *standard::content-type: //p')
[ "$type" = text/x-vellorin-song ] || fail "the prefix's MIME database calls a song $type"
grep -qx "text/x-vellorin-song=$id.desktop;" "$prefix/share/applications/mimeinfo.cache" || fail "launcher not listed for songs"

[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256 512; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$png")"
done
echo "installed files are in place"
