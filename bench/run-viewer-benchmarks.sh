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

# A document page: lines of dark "words" on white under a colour picture,
# A4 at 150 dpi, as scanned letters and reports look.
make_page() {  # OUTPUT.png
  local draw="" y x w
  for y in $(seq 420 28 1650); do
    x=120
    while [ $x -lt 1100 ]; do
      w=$(( (RANDOM % 90) + 20 ))
      draw+="rectangle $x,$y $((x + w)),$((y + 14)) "
      x=$((x + w + 14))
    done
  done
  convert -size 1240x1760 xc:white -fill "#202020" -draw "$draw" \
    \( "$work/picture.png" \) -geometry +120+60 -composite -alpha off -depth 8 "PNG24:$1"
}

# A TIFF of COUNT such pages, LZW-compressed in strips, five pages repeated.
make_document() {  # COUNT OUTPUT
  make_photo 1000 320 "$work/picture.png"
  local pages=()
  for i in 1 2 3 4 5; do
    make_page "$work/page$i.png"
    vips copy "$work/page$i.png" "$work/page$i.tif[compression=lzw,tile=false]"
    pages+=("$work/page$i.tif")
  done
  local list=()
  for i in $(seq "$1"); do list+=("${pages[$(( (i - 1) % 5 ))]}"); done
  tiffcp "${list[@]}" "$2"
}

echo "== 1. first fitted frame: 8000 x 6000 JPEG in a 1920 x 1080 view"
make_photo 8000 6000 "$work/photo.jpg[Q=90]"
ls -l "$work/photo.jpg" | awk '{printf "input: %.1f MB\n", $5 / 1048576}'
"$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png" > /dev/null  # warms the file cache
# The frame as the view gets it (decode, shrink, paint), measured inside;
# vipsthumbnail's whole run writing its fastest output (uncompressed .v).
for _ in $(seq $runs); do "$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png"; done |
  awk '{print $4}' | sort -n | sed -n "$(( (runs + 1) / 2 ))p" | xargs printf "viewer-bench, frame shown: %s ms (median of $runs)\n"
echo "vipsthumbnail -s 1920x1080 -o .v: $(median_ms $runs vipsthumbnail -s 1920x1080 -o "$work/thumb.v" "$work/photo.jpg") ms"
# Whole processes, both writing the frame as PNG.
echo "viewer-bench render, whole process: $(median_ms $runs "$bench" render "$work/photo.jpg" 1 1920 1080 "$work/frame.png") ms"
echo "vipsthumbnail -o .png, whole process: $(median_ms $runs vipsthumbnail -s 1920x1080 -o "$work/thumb.png" "$work/photo.jpg") ms"

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
# tiffcp decodes and encodes again; a copy of the whole file shows that this,
# not the choice of pages, is where its time goes.
echo "tiffcp (whole file, once): $(median_ms 1 tiffcp "$work/1000.tif" "$work/whole.tif") ms"
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
