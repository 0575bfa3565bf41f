#!/bin/sh
# Paints the art afresh into a temporary folder and compares it, file by file and byte by byte,
# with a folder of committed images; names every image that differs, is missing or is extra.
#
#   art_is_reproducible.sh ARTGEN IMAGES_DIR
set -eu

if [ $# -ne 2 ]; then
  echo "usage: art_is_reproducible.sh ARTGEN IMAGES_DIR" >&2
  exit 2
fi
artgen=$1
committed=$2
if [ ! -d "$committed" ]; then
  echo "art_is_reproducible.sh: no folder $committed" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$artgen" "$work/fresh" >/dev/null

# Relative file names, one a line, in a fixed order so that comm can pair them.
list_files() {
  (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
}
list_files "$work/fresh" >"$work/fresh.txt"
list_files "$committed" >"$work/committed.txt"

LC_ALL=C comm -23 "$work/fresh.txt" "$work/committed.txt" |
  sed 's/^/missing (painted, not committed): /' >"$work/report.txt"
LC_ALL=C comm -13 "$work/fresh.txt" "$work/committed.txt" |
  sed 's/^/extra (committed, not painted): /' >>"$work/report.txt"
LC_ALL=C comm -12 "$work/fresh.txt" "$work/committed.txt" | while IFS= read -r name; do
  cmp -s "$work/fresh/$name" "$committed/$name" || echo "differs: $name"
done >>"$work/report.txt"

if [ -s "$work/report.txt" ]; then
  cat "$work/report.txt"
  echo "$(wc -l <"$work/report.txt") image(s) of $committed are not what $artgen paints"
  exit 1
fi
echo "all $(wc -l <"$work/committed.txt") images of $committed are reproduced byte for byte"
