#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory benchmark of the card maker: the peak memory (max RSS) and time of its command line on
# pictures that are hard on memory, against the peak memory of the game's start-up to its first
# painted board (TavroMemoryFirstPaint under Xvfb), measured alternately in the same run:
#   - 18 JPEG photos of 6000 x 4000 pixels (at most 2 x the game's start-up),
#   - 18 progressive JPEG photos of 6000 x 4000 (4:2:0, as cameras and Qt write them) and 18
#     WebP photos of 6000 x 4000 (each at most 3 x),
#   - 18 PNGs of 480 x 69 000 pixels, one JPEG of 500 MB of comment markers, one progressive
#     JPEG of 12 000 x 9 000 and one WebP of 8 000 x 6 000 (each at most 3 x; the maker may
#     refuse these pictures, but never by running out of memory).
# Prints each case's median peak, its ratio to the game's and its median time, and the maker's
# exit status; fails when a case passes its bound.
# Usage: run_maker_memory.sh <build folder> [runs] [case...]  (cases: jpeg progressive webp
#   tall_png comments huge_progressive huge_webp; all by default)
#   TAVRO_BENCH_MAKER=<path> measures another tavro-memory-cards (an older build, say) against
#   the same game; it needs the "gfx" folder of its build beside it.
set -euo pipefail
build=$(realpath "$1")
runs=${2:-3}
shift $(($# < 2 ? $# : 2))
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(jpeg progressive webp tall_png comments huge_progressive huge_webp)
here=$(dirname "$(realpath "$0")")
source "$here/../../tests/e2e/xvfb.sh"

maker=${TAVRO_BENCH_MAKER:-$build/tavro-memory-cards}
game="$build/TavroMemoryFirstPaint"
for file in "$maker" "$game"; do
    [ -x "$file" ] || {
        echo "missing $file: build tavro-memory-cards and TavroMemoryFirstPaint" >&2
        exit 2
    }
done

start_session
mkdir -p "$work/play"

# Photo n of a set: a diagonal gradient between two colours of its own with a disc of a third,
# so that no two of the 18 look alike.
photo() {
    local n=$1 size=$2 out=$3
    shift 3
    local from to disc
    from=$(printf '#%02X%02X%02X' $(((n * 97) % 256)) $(((n * 57 + 80) % 256)) 40)
    to=$(printf '#%02X%02X%02X' 30 $(((n * 151 + 30) % 256)) $(((n * 71) % 256)))
    disc=$(printf '#%02X%02X%02X' $(((n * 33 + 100) % 256)) $(((n * 91) % 256)) $(((n * 13 + 200) % 256)))
    convert -size "$size" "gradient:$from-$to" -fill "$disc" \
        -draw "circle $((n * 300)),$((1000 + n * 100)) $((n * 300 + 700)),$((1000 + n * 100))" \
        "$@" "$out"
}

make_pictures() {
    local name=$1 n
    local folder="$work/pictures/$name"
    [ -d "$folder" ] && return
    mkdir -p "$folder"
    echo "making the pictures: $name..." >&2
    case $name in
    jpeg)
        for n in $(seq 1 18); do photo "$n" 6000x4000 "$folder/photo$n.jpg" -quality 90; done ;;
    progressive)
        for n in $(seq 1 18); do
            photo "$n" 6000x4000 "$folder/photo$n.jpg" -quality 90 -interlace JPEG -sampling-factor 2x2
        done ;;
    webp)
        for n in $(seq 1 18); do photo "$n" 6000x4000 "$folder/photo$n.webp" -quality 85; done ;;
    tall_png)
        # ImageMagick refuses pictures this tall: written here, a gradient of two colours each.
        python3 - "$folder" <<'EOF'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
width, height = 480, 69000
for n in range(1, 19):
    top = ((n * 97) % 256, (n * 57 + 80) % 256, 40)
    bottom = (30, (n * 151 + 30) % 256, (n * 71) % 256)
    rows = bytearray()
    for y in range(height):
        colour = bytes(t + (b - t) * y // height for t, b in zip(top, bottom))
        rows += b'\0' + colour * width
    with open('%s/tall%d.png' % (sys.argv[1], n), 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(bytes(rows), 9)))
        out.write(chunk(b'IEND', b''))
EOF
        ;;
    comments)
        # A small JPEG with 500 MB of comment markers after its start: 7 630 of 65 535 bytes.
        convert -size 64x64 xc:teal "$work/small.jpg"
        python3 - "$work/small.jpg" "$folder/comments.jpg" <<'EOF'
import sys
data = open(sys.argv[1], 'rb').read()
segment = b'\xff\xfe\xff\xff' + b'c' * 65533
with open(sys.argv[2], 'wb') as out:
    out.write(data[:2])
    for _ in range(7630):
        out.write(segment)
    out.write(data[2:])
EOF
        ;;
    huge_progressive)
        photo 1 12000x9000 "$folder/huge.jpg" -quality 85 -interlace JPEG -sampling-factor 2x2 ;;
    huge_webp)
        photo 2 8000x6000 "$folder/huge.webp" -quality 85 ;;
    esac
}

measure() {  # <file for the standard error> <command...>: prints "<max RSS in KiB> <s> <status>"
    local said=$1 status=0
    shift
    /usr/bin/time -f '%M %e' -o "$work/rss" "$@" >/dev/null 2>"$said" || status=$?
    echo "$(tail -n 1 "$work/rss") $status"
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

bound() {
    case $1 in
    jpeg) echo 2 ;;
    *) echo 3 ;;
    esac
}

failed=0
cd "$work/play"
for name in "${cases[@]}"; do
    make_pictures "$name"
    : >"$work/maker_kb" && : >"$work/maker_s" && : >"$work/game_kb"
    status=""
    for run in $(seq 0 "$runs"); do
        rm -rf "$XDG_DATA_HOME/tavro-memory/gfx/Bench"
        read -r maker_kb maker_s status < <(measure "$work/said" "$maker" --name Bench \
            "$work/pictures/$name"/*)
        read -r game_kb _ _ < <(measure /dev/null "$game")
        if [ "$run" -gt 0 ]; then  # run 0 warms the caches
            echo "$maker_kb" >>"$work/maker_kb"
            echo "$maker_s" >>"$work/maker_s"
            echo "$game_kb" >>"$work/game_kb"
        fi
    done
    said=$(head -c 300 "$work/said" | tr '\n' ' ')
    awk -v name="$name" -v mk="$(median <"$work/maker_kb")" -v gk="$(median <"$work/game_kb")" \
        -v s="$(median <"$work/maker_s")" -v n="$runs" -v limit="$(bound "$name")" \
        -v status="$status" -v said="$said" 'BEGIN {
        ratio = mk / gk
        printf "%-17s maker %7.1f MiB, game start-up %5.1f MiB: ratio %.2f (at most %d); " \
               "%.2f s; exit %d (median of %d)\n", name, mk / 1024, gk / 1024, ratio, limit, s,
               status, n
        if (said != "") printf "%17s %s\n", "", said
        exit ratio > limit ? 1 : 0
    }' || failed=1
done
exit "$failed"
