#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the record of games has one owner in the process: the code that opens, checks,
# repairs, writes, reads and exports the record is defined in exactly one of the shipped binaries
# (the records module), so that no second copy of it (once linked into the statistics module as
# well) can open the record on its own. Each of the record's parts below is looked up with
# `nm -C --defined-only` in every binary given; a part found in none (a stripped build, a renamed
# class) fails too, so the check cannot pass by finding nothing.
# Usage: check_records_one_binary.sh <nm> <binary>...
set -uo pipefail
nm_tool=$1
shift
[ "$#" -gt 0 ] || { echo "no binaries given" >&2; exit 2; }

# The record's parts, as their demangled names start.
parts=(
    'tavro::RecordsDatabase::'
    'tavro::RecordsMessages::'
    'tavro::RecordWriter::'
    'tavro::ThreadedRecorder::'
    'tavro::DatabaseReader::'
    'tavro::CheckRecordsFile('
    'tavro::MigrateRecords('
    'tavro::ReadSummaries('
    'tavro::ReadRecentGames('
    'tavro::ExportGamesCsv('
    'tavro::RunSql('
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
index=0
for binary in "$@"; do
    [ -f "$binary" ] || { echo "missing $binary" >&2; exit 2; }
    index=$((index + 1))
    # Only the names of what the binary defines (the third field on), one a line.
    "$nm_tool" -C --defined-only "$binary" 2>/dev/null | cut -d' ' -f3- >"$work/$index" ||
        { echo "$nm_tool can't read $binary" >&2; exit 2; }
done

failures=0
for part in "${parts[@]}"; do
    holders=()
    index=0
    for binary in "$@"; do
        index=$((index + 1))
        if grep -qF -- "$part" "$work/$index"; then
            holders+=("$(basename "$binary")")
        fi
    done
    if [ "${#holders[@]}" -ne 1 ]; then
        echo "$part is defined in ${#holders[@]} binaries, not one: ${holders[*]:-(none)}"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "the record's code is in one binary"
exit "$failures"
