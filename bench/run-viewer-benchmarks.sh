#!/usr/bin/env bash
# The image viewer control's benchmarks, each beside its peer in one run:
#   1. first fitted frame of an 8000 x 6000 JPEG in a 1920 x 1080 view,
#      against vipsthumbnail -s 1920x1080;
#   2. page flips in a 500-page TIFF (median and p95);
#   3. SplitTiff of a 1000-page TIFF at page 500 against tiffcp on the same
#      pages, the outputs compared with tiffcmp;
#   4. peak memory of the fit display of 100-megapixel images.
# Inputs are generated in a temporary folder, removed at the end.
# Usage: bench/run-viewer-benchmarks.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="${1:-$root/build}/bin"
bench="$bin/viewer-bench"
[ -x "$bench" ] || { echo "build viewer-bench first ($bench missing)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
runs=5

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# median_ms RUNS COMMAND...: wall-clock milliseconds, median of RUNS runs.
median_ms() {
  local n=$1; shift
  local times=()
  for _ in $(seq "$n"); do
    local start; start=$(now_ms)
    "$@" > /dev/null 2>&1
    times+=($(( $(now_ms) - start )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (n + 1) / 2 ))p"
}

# A colour image of smooth noise, about as hard to compress as a photo.
make_photo() {  # WIDTH HEIGHT OUTPUT
  local w=$1 h=$2
  for band in r g b; do
    vips gaussnoise "$work/$band-small.v" $((w / 8)) $((h / 8)) --mean 128 --sigma 50
    vips resize "$work/$band-small.v" "$work/$band.v" 8 --kernel cubic
  done
  vips bandjoin "$work/r.v $work/g.v $work/b.v" "$work/rgb.v"
  vips cast "$work/rgb.v" "$3" uchar
  rm -f "$work"/*.v
}

# A TIFF of COUNT A4 pages at 150 dpi, LZW-compressed in strips.
make_document() {  # COUNT OUTPUT
  local pages=()
  for i in 1 2 3 4 5; do
    make_photo 1240 1760 "$work/page$i.tif[compression=lzw,tile=false]"
    pages+=("$work/page$i.tif")
  done
  local list=()
  for i in $(seq "$1"); do list+=("${pages[$(( (i - 1) % 5 ))]}"); done
  tiffcp "${list[@]}" "$2"
}

echo "== 1. first fitted frame: 8000 x 6000 JPEG in a 1920 x 1080 view"
make_photo 8000 6000 "$work/photo.jpg[Q=90]"
"$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png"   # warms the file cache
inside=$("$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png")
ours=$(median_ms $runs "$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png")
peer=$(median_ms $runs vipsthumbnail -s 1920x1080 -o "$work/thumb.png" "$work/photo.jpg")
echo "viewer-bench render: ${ours} ms for the whole process ($inside)"
echo "vipsthumbnail -s 1920x1080: ${peer} ms"

echo "== 2. page flips: 500-page TIFF, 1920 x 1080 view"
make_document 500 "$work/500.tif"
"$bench" pages "$work/500.tif"
"$bench" flip "$work/500.tif" 300

echo "== 3. split of a 1000-page TIFF at page 500"
tiffcp "$work/500.tif" "$work/500.tif" "$work/1000.tif"
first=$(seq -s, 0 499)
second=$(seq -s, 500 999)
ours=$(median_ms $runs "$bench" split "$work/1000.tif" 500 "$work/ours1.tif" "$work/ours2.tif")
peer=$(median_ms $runs bash -c "tiffcp '$work/1000.tif,$first' '$work/peer1.tif' && tiffcp '$work/1000.tif,$second' '$work/peer2.tif'")
echo "viewer-bench split: ${ours} ms"
echo "tiffcp (both halves): ${peer} ms"
for part in 1 2; do
  if tiffcmp "$work/ours$part.tif" "$work/peer$part.tif" > "$work/cmp$part.txt" 2>&1; then
    echo "tiffcmp part $part: identical ($("$bench" pages "$work/ours$part.tif") pages)"
  else
    echo "tiffcmp part $part: DIFFERENT"; head -5 "$work/cmp$part.txt"
  fi
done

echo "== 4. peak memory of the fit display of a 100-megapixel image (decoded page: 400 MB)"
make_photo 12000 8400 "$work/100mp.jpg[Q=90]"
vips copy "$work/100mp.jpg" "$work/100mp.tif[compression=lzw,tile=false]"
for file in 100mp.jpg 100mp.tif; do
  echo "$file: $("$bench" render "$work/$file" 1 1920 1080 "$work/fit.png")"
done
