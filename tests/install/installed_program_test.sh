#!/bin/sh
# The installed program: installs the build into a temporary DESTDIR and
# runs the installed programs from another working folder, validates the
# desktop entry and the metainfo, looks up the file type of a saved
# project, runs the thumbnailer as a file manager would, and compares the
# manual pages with --help.
#
#   sh installed_program_test.sh BUILD_FOLDER
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
prefix=/usr
installed="$root$prefix"
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere" "$work/config"
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A PNG's width and height, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%d x %d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  fail "cmake --install: $(tail -3 "$work/install.log")"

for file in bin/lumora bin/lumora-render share/lumora/help/english/index.l2h \
  share/applications/lumora.desktop share/mime/packages/lumora.xml \
  share/thumbnailers/lumora.thumbnailer share/metainfo/org.example.lumora.metainfo.xml \
  share/man/man1/lumora.1.gz share/man/man1/lumora-render.1.gz \
  share/icons/hicolor/scalable/apps/lumora.svg; do
  [ -e "$installed/$file" ] || fail "$file is not installed"
done
for size in 16 32 48 128 256; do
  icon="$installed/share/icons/hicolor/${size}x$size/apps/lumora.png"
  [ "$(png_size "$icon")" = "$size x $size" ] || fail "$icon is not $size x $size"
done
[ -d "$installed/share/lumora/stereograms" ] || fail "share/lumora/stereograms is not installed"

# The installed programs, started from a folder that is neither the build
# nor the installation.
cd "$elsewhere"
"$installed/bin/lumora-render" --example -o example.png >/dev/null || fail "installed lumora-render --example"
[ "$(png_size example.png)" = "600 x 450" ] || fail "the example is $(png_size example.png)"
"$installed/bin/lumora" --check >check.out 2>check.err || fail "installed lumora --check: $(cat check.err)"
grep -q "is complete" check.out || fail "lumora --check said: $(cat check.out)"

# The check can fail: one required file away, the installed program stops.
mv "$installed/share/lumora/PlugIns/Tree.lpi" "$work/Tree.lpi"
if "$installed/bin/lumora" --check >check.out 2>check.err; then
  fail "lumora --check passed without PlugIns/Tree.lpi"
fi
[ "$(wc -l <check.err)" -eq 1 ] && grep -q "Error: File not found" check.err ||
  fail "lumora --check without a file said: $(cat check.err)"
mv "$work/Tree.lpi" "$installed/share/lumora/PlugIns/Tree.lpi"

desktop-file-validate "$installed/share/applications/lumora.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$installed/share/metainfo/org.example.lumora.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"

# The file type: the installed definition in a MIME database of its own,
# looked up for a saved project by its name and, renamed, by its magic.
mkdir -p "$work/data/mime/packages"
cp "$installed/share/mime/packages/lumora.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
"$installed/bin/lumora-render" --example --save-project saved.l2p >/dev/null || fail "saving a project"
cp saved.l2p saved-without-extension
for file in saved.l2p saved-without-extension; do
  type=$(XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/data" XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$file")
  [ "$type" = "application/x-lumora-project" ] || fail "xdg-mime calls $file $type"
done

# The thumbnailer as a file manager runs it: the Exec line of the
# installed .thumbnailer with the size, the input and the output filled in.
exec_line=$(sed -n 's/^Exec=//p' "$installed/share/thumbnailers/lumora.thumbnailer")
command=$(echo "$exec_line" | sed "s|^lumora-render|$installed/bin/lumora-render|; s|%s|128|; s|%i|saved.l2p|; s|%o|thumbnail.png|")
sh -c "$command" >/dev/null || fail "the thumbnailer: $command"
[ "$(png_size thumbnail.png)" = "128 x 96" ] || fail "the thumbnail is $(png_size thumbnail.png)"

# The manual pages name the options --help names, and no others.
options_of() {
  grep -o -- '--[a-z0-9][a-z0-9-]*' | sort -u
}
for program in lumora lumora-render; do
  "$installed/bin/$program" --help | options_of >"$work/help.options"
  echo "--help" >>"$work/help.options"
  sort -u -o "$work/help.options" "$work/help.options"
  gzip -dc "$installed/share/man/man1/$program.1.gz" | sed 's/\\-/-/g' | options_of >"$work/manual.options"
  diff "$work/help.options" "$work/manual.options" >"$work/options.diff" ||
    fail "$program(1) and $program --help differ in their options (< help, > manual): $(cat "$work/options.diff")"
done
echo "installed program: all checks passed"
