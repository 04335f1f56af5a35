#!/bin/sh
# Regenerates fonts/garamond1.glf and its licence notice fonts/OFL.txt from
# EB Garamond 12 Regular as Debian packages it (fonts-ebgaramond), using the
# font maker in font/maker/ (built here in build-font-maker/, apart from the program).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
package=fonts-ebgaramond
source_font=/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf
copyright=/usr/share/doc/$package/copyright
name="Curvix Garamond (from EB Garamond 12 Regular, SIL Open Font License 1.1)"

bash "$root/scripts/install_deps.sh" --font

cmake -S "$root/font/maker" -B "$root/build-font-maker" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build-font-maker" -j2
"$root/build-font-maker/make_glf" "$source_font" "$root/fonts/garamond1.glf" "$name"

# The notice: the copyright line and licence text of the font files' stanza
# ("Files: *") of the package's machine-readable copyright file.
{
  echo "fonts/garamond1.glf is derived from EB Garamond 12 Regular"
  echo "(Debian package $package $(dpkg-query -W -f='${Version}' "$package"))."
  echo
  awk '
    /^Files:/ { in_fonts = ($2 == "*"); next }
    !in_fonts { next }
    /^Copyright:/ { sub(/^Copyright: */, "Copyright "); print; print ""; next }
    /^License:/ { next }
    /^ \.$/ { print ""; next }
    /^ / { sub(/^ +/, ""); print }
  ' "$copyright"
} > "$root/fonts/OFL.txt"
echo "Wrote $root/fonts/garamond1.glf and $root/fonts/OFL.txt"
