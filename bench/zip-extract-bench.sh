#!/usr/bin/env bash
# Extraction benchmark: our reader (build/bin/zip-extract) against Info-ZIP's
# unzip -o -q, in the same run, on a generated archive of about 200 MB in
# 2,000 entries: 1,000 stored (incompressible) and 1,000 deflated (text).
# The archive lives in a temporary folder and is removed afterwards.
#
#   bench/zip-extract-bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-3}
tool=$build/bin/zip-extract
[ -x "$tool" ] || { echo "build $tool first" >&2; exit 2; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

python3 - "$work/data" <<'PY'
import os, random, sys
folder = sys.argv[1]
random.seed(7)
words = [''.join(random.choice('abcdefghijklmnopqrstuvwxyz') for _ in range(random.randint(2, 10)))
         for _ in range(5000)]
text = ' '.join(random.choice(words) for _ in range(250000)).encode()
for i in range(2000):
    sub = os.path.join(folder, 'skin%02d' % (i % 20))
    os.makedirs(sub, exist_ok=True)
    if i % 2:
        data = os.urandom(150 * 1024)
        name = 'image%04d.bin' % i
    else:
        start = random.randrange(len(text) - 150 * 1024)
        data = text[start:start + 150 * 1024]
        name = 'text%04d.txt' % i
    with open(os.path.join(sub, name), 'wb') as f:
        f.write(data)
PY
# .bin entries are stored, the rest deflated.
(cd "$work" && zip -q -r -n .bin archive.zip data)
archive=$work/archive.zip
echo "archive: $(du -m "$archive" | cut -f1) MB, $(unzip -Z1 "$archive" | wc -l) entries"

# seconds OUTPUT COMMAND...: the wall time of COMMAND, which writes OUTPUT.
seconds() {
    local start end
    rm -rf "$1"
    sync
    start=$(date +%s.%N)
    "${@:2}" > /dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}

min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

best_unzip=""
best_ours=""
for run in $(seq "$runs"); do
    t_unzip=$(seconds "$work/out-unzip" unzip -o -q "$archive" -d "$work/out-unzip")
    t_ours=$(seconds "$work/out-ours" "$tool" "$archive" "$work/out-ours")
    echo "run $run: unzip $t_unzip s, zip-extract $t_ours s"
    best_unzip=$(min "$best_unzip" "$t_unzip")
    best_ours=$(min "$best_ours" "$t_ours")
done
diff -r "$work/out-unzip" "$work/out-ours" > /dev/null || { echo "the two extractions differ" >&2; exit 1; }
awk -v u="$best_unzip" -v o="$best_ours" -v n="$runs" \
    'BEGIN { printf "best of %d: unzip %.3f s, zip-extract %.3f s, ratio (ours / unzip) %.2f\n", n, u, o, o / u }'
