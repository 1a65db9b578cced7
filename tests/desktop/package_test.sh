#!/usr/bin/env bash
# Builds the Debian package and checks its dependencies and contents, and that apt could install it.
set -euo pipefail
build=$1; out=$2
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$out"; mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack"
deb=$(ls "$out"/vellorin_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6core6 gstreamer1.0-plugins-good; do
  echo "$depends" | grep -q "$package" || fail "Depends lacks $package"
done
dpkg-deb --field "$deb" Recommends | grep -q qt6-wayland || fail "Recommends"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/vellorin ./usr/share/applications/org.vellorin.Vellorin.desktop \
            ./usr/share/mime/packages/org.vellorin.Vellorin.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.vellorin.Vellorin.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.vellorin.Vellorin.png; do
  echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
done
# The caches of the file types and launchers belong to the system, which the package's triggers refresh.
! echo "$contents" | grep -qE "/(mime\.cache|globs2|mimeinfo\.cache)$" || fail "the package ships the desktop's caches"
apt-get install --simulate "$deb" >/dev/null || fail "apt cannot install it"
echo "package $deb is sound"
