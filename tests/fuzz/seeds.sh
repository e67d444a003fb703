# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by tools/fuzz.sh and replay_seeds.sh: the fuzz targets' seed inputs.
# shellcheck shell=bash

# write_leads_seeds <folder>: a default table with a short name, and a table with a tie, each
# with a score in front.
write_leads_seeds() {
    mkdir -p "$1"
    printf '\x20\x03\x00\x00\x03Ann' >"$1/short"
    {
        printf '\x20\x03\x00\x00\x03Bob'
        for _ in 1 2 3 4 5 6 7 8 9 10; do printf '\x04none\x00\x00\x00\x00\x00\x00'; done
        printf '\x00\x00\xe8\x03\x00\x00\x20\x03\x00\x00\x20\x03\x00\x00\xf4\x01\x00\x00'
        for _ in 1 2 3 4 5 6; do printf '\x00\x00\x00\x00'; done
    } >"$1/tie"
}

# write_picture_seeds <picture_fuzz> <folder>: small pictures of every kind the game reads,
# written by the target itself.
write_picture_seeds() {
    TAVRO_PICTURE_SEEDS="$2" "$1"
}
