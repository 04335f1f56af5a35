#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh makes, first as files and
# then installed on a machine that has never seen Curvix:
#
#   1. the menu entry passes desktop-file-validate, both manual pages render
#      without warnings, and curvix's lists the same mouse actions, keys and
#      menu entries, in the same words, as the README's tables;
#   2. the package holds the expected files, a machine-readable copyright
#      file with both licences, and declares its dependencies;
#   3. in a copy of a minimal Debian 12 root, apt installs it together with
#      its dependencies; `curvix` and, for an ordinary user, the menu's
#      launcher both get as far as the program reporting that there is no
#      display; the launcher leaves the user's folder with a working fonts/
#      link; the manual page is in place; Debian's python3 imports the module
#      curvix and prints D-D's regularity, 2.0; and a purge removes the program.
#
#   scripts/check_package.sh [DEB] [BASE_ROOT]
#     DEB        default: the one in build-package/ (run scripts/package.sh first)
#     BASE_ROOT  default: /var/tmp/curvix-fresh/base, made by check_fresh_machine.sh;
#                it is only read: the check works on a copy in /var/tmp/curvix-pkg-root
# Needs root (chroot, mount); installs the tools it uses (install_deps.sh
# --package). Everything mounted is unmounted on every exit.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-$(ls build-package/curvix_*.deb 2>/dev/null | tail -1)}
base=${2:-/var/tmp/curvix-fresh/base}
root=/var/tmp/curvix-pkg-root
archives=/var/tmp/curvix-pkg-archives
mounted=()
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
  mounted=()
}
trap unmount_all EXIT

bind() { # SOURCE TARGET
  mkdir -p "$2"
  mount --bind "$1" "$2"
  mounted+=("$2")
}

[[ $(id -u) -eq 0 ]] || { echo "check_package.sh: needs root (chroot, mount)" >&2; exit 2; }
[[ -f $deb ]] || { echo "check_package.sh: no package; run scripts/package.sh first" >&2; exit 2; }
[[ -d $base ]] || { echo "check_package.sh: no base root $base (scripts/check_fresh_machine.sh makes it)" >&2; exit 2; }
bash scripts/install_deps.sh --package

# ---------------------------------------------------------------- 1. menu entry and manual page

echo "== desktop-file-validate packaging/curvix.desktop"
desktop-file-validate packaging/curvix.desktop || fail "the desktop entry does not validate"

for page in packaging/curvix.1 packaging/curvix-lab.1; do
  echo "== man --warnings -l $page"
  warnings=$(man --warnings -l "$page" 2>&1 > /dev/null)
  [[ -z $warnings ]] || fail "$page renders with warnings: $warnings"
done

# One README table (the rows after the header line HEADER, up to the blank line)
# as "first column, second column" lines, without the Markdown backticks.
readme_rows() { # HEADER
  awk -v header="$1" '
    $0 == header { inside = 1; next }
    inside && /^$/ { exit }
    inside && !/^\|---/ { print }' README.md |
    sed -e 's/^| *//' -e 's/ *|$//' -e 's/ *| */ /' -e 's/`//g' -e 's/−/-/g'
}

# The rendered page on one line: lines wide enough that nothing is hyphenated,
# blanks collapsed, groff's hyphen and minus glyphs back to "-".
rendered=$(MANWIDTH=1000 man -l packaging/curvix.1 2> /dev/null | col -b | tr -s ' \t\n' ' ' |
             sed -e 's/‐/-/g' -e 's/−/-/g')

echo "== README tables against the manual page"
readme_count=0
for header in "| Mouse | What it does |" "| Key | What it does |" "| Menu entry | What it does |"; do
  rows=$(readme_rows "$header")
  [[ -n $rows ]] || { fail "README has no table '$header'"; continue; }
  while IFS= read -r row; do
    readme_count=$((readme_count + 1))
    [[ $rendered == *" $row "* ]] || fail "manual page lacks the README row: $row"
  done <<< "$rows"
done
# Every tagged entry of the three sections is one README row, so the page has none of its own.
page_count=$(awk '/^\.SH MOUSE/ { inside = 1 } /^\.SH EXIT STATUS/ { inside = 0 }
                  inside && /^\.TP/ { n++ } END { print n + 0 }' packaging/curvix.1)
[[ $page_count -eq $readme_count ]] ||
  fail "manual page has $page_count mouse, key and menu entries, the README $readme_count"
echo "   $readme_count rows compared"

# ---------------------------------------------------------------- 2. the package file

echo "== dpkg-deb -c $deb"
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/bin/curvix ./usr/bin/curvix-lab ./usr/bin/curvix-launcher \
            ./usr/share/applications/curvix.desktop \
            ./usr/share/icons/hicolor/scalable/apps/curvix.svg ./usr/share/man/man1/curvix.1.gz \
            ./usr/share/man/man1/curvix-launcher.1.gz ./usr/share/man/man1/curvix-lab.1.gz \
            ./usr/share/curvix/fonts/garamond1.glf ./usr/share/curvix/fonts/OFL.txt \
            ./usr/share/doc/curvix/README.md ./usr/share/doc/curvix/OFL.txt \
            ./usr/share/doc/curvix/LICENSE ./usr/share/doc/curvix/copyright \
            ./usr/lib/python3/dist-packages/curvix/__init__.py \
            ./usr/lib/python3/dist-packages/curvix/__init__.pyi \
            ./usr/lib/python3/dist-packages/curvix/py.typed; do
  grep -qxF "$file" <<< "$contents" || fail "the package lacks $file"
done
grep -qE '^\./usr/lib/python3/dist-packages/curvix/_curvix\.cpython-311-[^/]*\.so$' <<< "$contents" ||
  fail "the package lacks the Python module's compiled half"
echo "   $(grep -vc '/$' <<< "$contents") files"

echo "== /usr/share/doc/curvix/copyright"
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/curvix/copyright 2> /dev/null || true)
for line in "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
            "Files: *" "Files: fonts/*" "License: MIT" "License: OFL-1.1" \
            " Permission is hereby granted, free of charge, to any person obtaining a copy" \
            " SIL OPEN FONT LICENSE Version 1.1 - 26 February 2007"; do
  grep -qxF -- "$line" <<< "$copyright" || fail "the copyright file lacks the line '$line'"
done
echo "   $(grep -c '^License: ' <<< "$copyright") licence fields"

echo "== dpkg-deb -I $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "   Depends: $depends"
depends_names=$(tr ',' '\n' <<< "$depends" | sed -e 's/^ *//' -e 's/ .*//')
for package in libc6 libstdc++6 libglut3.12 libgl1 libgl1-mesa-dri; do
  grep -qxF "$package" <<< "$depends_names" || fail "Depends lacks $package"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "   Recommends: $recommends"
[[ $recommends == *python3-numpy* && $recommends == *"python3 (<< 3.12)"* ]] ||
  fail "Recommends lacks the Python module's interpreter and numpy"

# ---------------------------------------------------------------- 3. a fresh machine

echo "== fresh root: $root (a copy of $base)"
rm -rf "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mkdir -p "$archives/partial"
bind /dev "$root/dev"
bind /dev/pts "$root/dev/pts"
bind /proc "$root/proc"
bind /sys "$root/sys"
bind "$archives" "$root/var/cache/apt/archives"

in_root() { # COMMAND...
  env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive chroot "$root" "$@"
}

log=/var/tmp/curvix-pkg-install.log
echo "== apt-get update && apt-get install -y /tmp/$(basename "$deb")   (log: $log)"
if in_root /bin/bash -c "apt-get update -q && apt-get install -y -q /tmp/$(basename "$deb")" \
     > "$log" 2>&1; then
  echo "   $(grep -E '^[0-9]+ upgraded' "$log")"
  for package in curvix libglut3.12 libgl1 libgl1-mesa-dri python3-numpy; do
    in_root dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" ||
      fail "$package is not installed"
  done
else
  fail "apt could not install the package; last lines:"
  tail -20 "$log" >&2
fi

expect_no_display() { # WHAT OUTPUT STATUS
  echo "   $1: exit status $3: $2"
  [[ $3 -ne 0 && $2 == *"failed to open display"* ]] || fail "$1 did not reach the display"
}

echo "== curvix, no DISPLAY"
status=0
output=$(in_root /usr/bin/curvix 2>&1) || status=$?
expect_no_display "curvix" "$output" "$status"

echo "== curvix-lab, which needs no display at all"
output=$(in_root /usr/bin/curvix-lab mask --scheme dd --format csv 2>&1) || fail "curvix-lab failed: $output"
echo "   $(tail -1 <<< "$output")"
[[ $output == *"-0.0625,0.5625,0.5625,-0.0625,1,3"* ]] || fail "curvix-lab printed no D-D mask"

echo "== the Python module, from Debian's interpreter"
output=$(in_root python3 -c "import curvix; print(curvix.smoothness(scheme='dd').regularity_upper)" 2>&1) ||
  fail "import curvix failed: $output"
echo "   curvix.smoothness(scheme='dd').regularity_upper: $output"
[[ $output == "2.0" ]] || fail "the Python module printed '$output', not 2.0"

echo "== curvix-launcher as an ordinary user, no DISPLAY"
in_root useradd --create-home student
status=0
output=$(in_root runuser -u student -- env HOME=/home/student curvix-launcher 2>&1) || status=$?
expect_no_display "curvix-launcher" "$output" "$status"
echo "   $(in_root ls -l /home/student/Curvix | grep fonts)"
in_root runuser -u student -- test -r /home/student/Curvix/fonts/garamond1.glf ||
  fail "the launcher's fonts/ link does not lead to the font"
in_root runuser -u student -- test -w /home/student/Curvix ||
  fail "the user cannot write debug.txt into the launcher's folder"

echo "== manual pages"
if in_root sh -c 'command -v man' > /dev/null; then
  in_root man -w curvix curvix-launcher curvix-lab || fail "man -w finds no page"
else
  echo "   no man-db in the root; the files:"
  in_root ls -l /usr/share/man/man1/curvix.1.gz /usr/share/man/man1/curvix-launcher.1.gz \
    /usr/share/man/man1/curvix-lab.1.gz || fail "a manual page is not installed"
  in_root test -r /usr/share/man/man1/curvix-launcher.1.gz || fail "the launcher's page link is broken"
fi

echo "== apt-get purge -y curvix"
in_root apt-get purge -y -q curvix > "$log.purge" 2>&1 || fail "apt could not purge the package"
[[ ! -e $root/usr/bin/curvix && ! -e $root/usr/share/curvix &&
   ! -e $root/usr/lib/python3/dist-packages/curvix ]] || fail "the purge left files behind"

unmount_all
if [[ $failures -gt 0 ]]; then
  echo "check_package.sh: $failures failure(s)" >&2
  exit 1
fi
echo "PASS: $(basename "$deb") checked and installed on a fresh Debian 12 root"
