#!/usr/bin/env bash
# Builds the Debian package from an already built tree and checks it the way the desktop uses
# it: every file where the desktop looks, nothing else (the user guide, Debian's copyright file
# and changelog included); no error from lintian; the desktop entry and the AppStream metainfo
# valid; saved .gm files recognised by name and by content through the MIME package; both
# manual pages rendering without warnings and covering every command; the word lists found by
# the installed program; and an installed program keeping its settings in the XDG folders.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$build/package-check
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli update-mime-database \
  xdg-mime mimetype man od lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing: install the packages in scripts/packages.txt"
done
rm -rf "$scratch" && mkdir -p "$scratch"

# gzip rather than xz: a quarter of the time, and these bytes are thrown away.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
  >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
deb=$(echo "$scratch"/vornicpack_*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libicu* && $depends == *fonts-liberation2* ]] ||
  fail "Depends misses the linked libraries or the font: $depends"

# Exactly the files the desktop expects, and PNG icons of the size their folder names.
sizes="16 22 24 32 48 64 128 256"
expected="usr/bin/vornicpack usr/bin/vornicpack-cli usr/share/applications/vornicpack.desktop
  usr/share/mime/packages/vornicpack.xml usr/share/metainfo/org.vornicpack.VornicPack.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/vornicpack.svg usr/share/man/man1/vornicpack.1.gz
  usr/share/man/man1/vornicpack-cli.1.gz usr/share/doc/vornicpack/copyright
  usr/share/doc/vornicpack/changelog.Debian.gz"
for size in $sizes; do expected+=" usr/share/icons/hicolor/${size}x${size}/apps/vornicpack.png"; done
# The word lists, as the build folder has them beside its programs.
expected+=" $(cd "$build/share/vornicpack" && find wordlists -type f | sed 's|^|usr/share/vornicpack/|')"
# The user guide, as the build folder has it beside its programs.
expected+=" $(cd "$build/share/doc/vornicpack" && find guide -type f | sed 's|^|usr/share/doc/vornicpack/|')"
diff <(tr -s ' \n' '\n' <<<"$expected" | sed '/^$/d' | sort) \
  <(cd "$root" && find . -type f | sed 's|^\./||' | sort) || fail "the package's files differ (< expected, > found)"
for size in $sizes; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/vornicpack.png
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)" = "$size $size" ] || fail "$png is not ${size}x${size}"
done

# Debian's own checks of the package find no error. Its warnings and notes are advice for
# packages of its archive, built from a source package, which this one is not.
lintian --fail-on none --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian could not check the package"; }
errors=$(grep '^E: ' "$scratch/lintian.log" || true)
[ -z "$errors" ] || fail "lintian reports errors:
$errors"

share=$root/usr/share
out=$(desktop-file-validate "$share/applications/vornicpack.desktop") && [ -z "$out" ] ||
  fail "desktop-file-validate: $out"
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  fail "appstreamcli validate-tree: $(appstreamcli validate-tree --no-net "$root")"

# The installed programs, run from the scratch root, with a scratch home and desktop.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_DATA_HOME=$scratch/home/data
export XDG_DATA_DIRS=/usr/share
unset VORNICPACK_HOME XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$share/mime/packages/vornicpack.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
cli=$root/usr/bin/vornicpack-cli
"$cli" wordsearch -o "$scratch/saved.gm" --words CAT,DOG --fill --seed 1 >/dev/null
[ -f "$XDG_CONFIG_HOME/vornicpack/vornicpack.ini" ] && [ ! -e "$root/usr/bin/vornicpack.ini" ] ||
  fail "an installed program must keep its settings under XDG_CONFIG_HOME"
# The installed program finds its own word lists.
lists=$("$cli" lists --json | grep -c '"builtin": true') || true
[ "$lists" -ge 100 ] || fail "the installed program finds $lists of its word lists"
"$cli" wordsearch -o "$scratch/listed.gm" --list animals --language tr --pick 8 --seed 1 >/dev/null ||
  fail "the installed program cannot build from its word lists"
type=$(xdg-mime query filetype "$scratch/saved.gm")
[ "$type" = application/x-vornic-game ] || fail "xdg-mime gives $type for a saved .gm file"
"$cli" demo "$scratch/demo" >/dev/null
for game in "$scratch"/demo/*.gm; do
  cp "$game" "$scratch/no-extension"
  type=$(xdg-mime query filetype "$scratch/no-extension")
  [ "$type" = application/x-vornic-game ] || fail "the content of $(basename "$game") gives $type"
done

for page in vornicpack vornicpack-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "vornicpack-cli --help lists no commands"
for command in $commands; do
  zcat "$share/man/man1/vornicpack-cli.1.gz" | grep -q "^\.SS \"$command[ \"]" ||
    fail "the manual page of vornicpack-cli does not describe $command"
done
echo "package checked: $(basename "$deb")"
