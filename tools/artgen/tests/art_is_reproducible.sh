#!/bin/sh
# Paints the art afresh into temporary folders and compares it, file by file and byte by byte,
# with folders of committed images; names every image that differs, is missing or is extra.
# Each folder may be preceded by the generator's option that paints it (--app-icons); a folder
# alone holds the data package's images.
#
#   art_is_reproducible.sh ARTGEN [OPTION] DIR [[OPTION] DIR ...]
set -eu

usage() {
  echo "usage: art_is_reproducible.sh ARTGEN [OPTION] DIR [[OPTION] DIR ...]" >&2
  exit 2
}
[ $# -ge 2 ] || usage
artgen=$1
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Relative file names, one a line, in a fixed order so that comm can pair them.
list_files() {
  (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
}

# compare FRESH COMMITTED: appends what differs to the report.
compare() {
  list_files "$1" >"$work/fresh.txt"
  list_files "$2" >"$work/committed.txt"
  LC_ALL=C comm -23 "$work/fresh.txt" "$work/committed.txt" |
    sed "s|^|missing (painted, not committed): $2/|" >>"$work/report.txt"
  LC_ALL=C comm -13 "$work/fresh.txt" "$work/committed.txt" |
    sed "s|^|extra (committed, not painted): $2/|" >>"$work/report.txt"
  LC_ALL=C comm -12 "$work/fresh.txt" "$work/committed.txt" | while IFS= read -r name; do
    cmp -s "$1/$name" "$2/$name" || echo "differs: $2/$name"
  done >>"$work/report.txt"
  wc -l <"$work/committed.txt" >>"$work/counts.txt"
}

: >"$work/report.txt"
: >"$work/counts.txt"
folders=0
while [ $# -gt 0 ]; do
  option=
  case $1 in
    --*) option=$1; shift; [ $# -gt 0 ] || usage ;;
  esac
  committed=$1
  shift
  if [ ! -d "$committed" ]; then
    echo "art_is_reproducible.sh: no folder $committed" >&2
    exit 2
  fi
  folders=$((folders + 1))
  fresh="$work/fresh$folders"
  # shellcheck disable=SC2086 # the option is one word or none
  "$artgen" $option "$fresh" >/dev/null
  compare "$fresh" "$committed"
done

total=$(awk '{ n += $1 } END { print n }' "$work/counts.txt")
if [ -s "$work/report.txt" ]; then
  cat "$work/report.txt"
  echo "$(wc -l <"$work/report.txt") image(s) are not what $artgen paints"
  exit 1
fi
echo "all $total committed images are reproduced byte for byte"
