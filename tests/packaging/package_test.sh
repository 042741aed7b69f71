#!/bin/sh
# Builds the Debian package of a build tree into a temporary folder, unpacks it there (no system
# install) and checks its contents, its dependencies and that the unpacked programs run.
#   package_test.sh BUILD_DIR VERSION CPACK
set -eu
build=$1
version=$2
cpack=$3
if ! command -v dpkg-deb >/dev/null 2>&1; then
  echo "SKIP: dpkg-deb is not installed (Debian package tools), no package to test"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr

status=0
for file in bin/plotwerk bin/plotwerk-cli \
    share/applications/org.plotwerk.Plotwerk.desktop \
    share/metainfo/org.plotwerk.Plotwerk.metainfo.xml \
    share/mime/packages/org.plotwerk.Plotwerk.xml \
    share/icons/hicolor/16x16/apps/org.plotwerk.Plotwerk.png \
    share/icons/hicolor/48x48/apps/org.plotwerk.Plotwerk.png \
    share/icons/hicolor/256x256/apps/org.plotwerk.Plotwerk.png \
    share/icons/hicolor/scalable/apps/org.plotwerk.Plotwerk.svg \
    share/man/man1/plotwerk.1.gz share/man/man1/plotwerk-cli.1.gz \
    share/doc/plotwerk/copyright share/doc/plotwerk/changelog.gz; do
  [ -s "$root/$file" ] || { echo "missing from the package: /usr/$file"; status=1; }
done

# The dependencies come from dpkg-shlibdeps.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libgif7; do
  case "$depends" in *"$lib"*) ;; *) echo "Depends lacks $lib: $depends"; status=1 ;; esac
done

# The window program answers --version without a display.
got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/plotwerk" --version)
[ "$got" = "plotwerk $version" ] || { echo "plotwerk --version said: $got"; status=1; }
export QT_QPA_PLATFORM=offscreen
got=$("$root/bin/plotwerk-cli" --version)
[ "$got" = "plotwerk-cli $version" ] || { echo "plotwerk-cli --version said: $got"; status=1; }

# The command-line tool stays English whatever the locale: other programs read its output.
LANG=de_DE.UTF-8 "$root/bin/plotwerk-cli" render --width 200 --height 150 --set "ed_f1=X^2-2" \
  --out "$work/picture.png" >"$work/results.txt"
[ "$(head -n 1 "$work/results.txt")" = "Function Y = X^2-2" ] || { echo "render printed:"; cat "$work/results.txt"; status=1; }
signature=$(od -An -tx1 -N8 "$work/picture.png" | tr -d ' \n')
[ "$signature" = "89504e470d0a1a0a" ] || { echo "render wrote no PNG"; status=1; }
"$root/bin/plotwerk" --lang xx >/dev/null 2>&1 && { echo "plotwerk accepted --lang xx"; status=1; }

exit $status
