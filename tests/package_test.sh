#!/usr/bin/env bash
# Packs the build as the Debian package scripts/package makes, and checks its
# contents, its dependencies and its maintainer scripts; then installs it
# with dpkg, uses it and removes it, where this run may install packages.
#   package_test.sh BUILD
set -euo pipefail
build=$1
skip=77
work=$(mktemp -d)
installed=
cleanup() {
    [ -n "$installed" ] && dpkg --purge velmora >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: the check is skipped"; exit $skip; }
done
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
package=$work/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no $(basename "$package") was made: $(ls "$work")"

dpkg-deb -c "$package" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for file in /usr/bin/velmora /usr/bin/velmora-cli /usr/bin/velmora-thumbnailer /usr/lib/libvelmora3d.so \
            /usr/share/applications/velmora.desktop /usr/share/mime/packages/velmora.xml \
            /usr/share/icons/hicolor/scalable/apps/velmora.svg /usr/share/thumbnailers/velmora.thumbnailer \
            /usr/share/velmora/sample.vlm; do
    grep -qx "$file" "$work/contents" || fail "$file is not in the package"
done

# the libraries the programs link to, as dpkg-shlibdeps names their packages
depends=$(dpkg-deb -f "$package" Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libglib2.0-0; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
dpkg-deb -e "$package" "$work/control"
for script in postinst postrm; do
    grep -q update-mime-database "$work/control/$script" || fail "$script does not update the MIME database"
    grep -q update-desktop-database "$work/control/$script" || fail "$script does not update the desktop database"
done

# --- installed with dpkg, only where that is allowed and harms nothing
if [ "$(id -u)" -ne 0 ]; then
    echo "packed and checked; not installed: dpkg -i needs root"; exit $skip
fi
if [ ! -w /var/lib/dpkg ]; then
    echo "packed and checked; not installed: the dpkg database cannot be written here"; exit $skip
fi
# runs of this test in several build trees take turns
exec 9>/tmp/velmora-package-test.lock
flock 9
if dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q "installed"; then
    echo "packed and checked; not installed: a velmora package is installed already"; exit $skip
fi
installed=yes
dpkg -i "$package" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
/usr/bin/velmora-cli info /usr/share/velmora/sample.vlm | grep -q "magic: VLMv1.0, matches" \
    || fail "the installed velmora-cli does not read the installed sample"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/velmora.desktop || fail "the installed desktop entry is not valid"
fi
grep -q "application/x-velmora-scan" /usr/share/mime/globs2 || fail "postinst did not register the scan file type"
dpkg -r velmora >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r failed"; }
installed=
while read -r file; do
    if [ -f "$file" ]; then fail "$file stayed after dpkg -r"; fi
done <"$work/contents"
if grep -q "application/x-velmora-scan" /usr/share/mime/globs2; then
    fail "postrm left the scan file type registered"
fi
# nor is it kept in the dpkg database
dpkg --purge velmora >/dev/null 2>&1
echo "packed, installed, used and removed"
