#!/usr/bin/env bash
# Installs into a scratch prefix and checks what desktops read: the launcher, the file types and the icons.
set -euo pipefail
build=$1; prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.vellorin.Vellorin
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$prefix/bin/vellorin" ] || fail "no executable"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop file"
grep -qx 'MimeType=text/x-vellorin-song;' "$prefix/share/applications/$id.desktop" || fail "the launcher claims more than songs"

xmllint --noout "$prefix/share/mime/packages/$id.xml" || fail "MIME file"
update-mime-database "$prefix/share/mime"
globs=$prefix/share/mime/globs2
grep -q ':text/x-vellorin-song:\*\.pro$' "$globs" || fail "*.pro is no song"
grep -q ':text/x-vellorin-song:\*\.onsong$' "$globs" || fail "*.onsong is no song"
grep -q ':application/x-vellorin-layout:\*\.vellorinlayout$' "$globs" || fail "layout type"
grep -q '^20:text/x-vellorin-playlist:\*\.lst$' "$globs" || fail "playlists keep a low weight"
! grep -q 'vellorin.*\*\.\(txt\|pdf\)$' "$globs" || fail "text files or PDFs claimed"

[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256 512; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$png")"
done
echo "installed files are in place"
