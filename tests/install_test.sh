#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop needs
# to open a scan file in Velmora with a double click.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/velmora bin/velmora-cli share/applications/velmora.desktop share/mime/packages/velmora.xml \
            share/icons/hicolor/scalable/apps/velmora.svg share/velmora/sample.vlm \
            bin/velmora-thumbnailer share/thumbnailers/velmora.thumbnailer; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

# the installed tool runs and finds its library
"$prefix/bin/velmora-cli" info "$prefix/share/velmora/sample.vlm" | grep -q "magic: VLMv1.0, matches"

grep -q '^MimeType=application/x-velmora-scan;$' "$prefix/share/applications/velmora.desktop"
grep -q '^Exec=velmora %f$' "$prefix/share/applications/velmora.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/velmora.desktop"
fi

# the type is known by its name and by its magic
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1
    grep -q 'application/x-velmora-scan:\*\.vlm' "$prefix/share/mime/globs"
    grep -q 'application/x-velmora-scan' "$prefix/share/mime/magic"
    grep -aq 'VLMv1.0' "$prefix/share/mime/magic"
fi
echo "installed and registered"
