#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs both fuzz targets, built with the replay driver, once over each of their seed inputs in a
# temporary working folder: the targets' own checks pass on the inputs fuzzing starts from.
# Usage: replay_seeds.sh <leads_fuzz> <picture_fuzz>
set -euo pipefail
leads_fuzz=$(realpath "$1")
picture_fuzz=$(realpath "$2")
# shellcheck source=tests/fuzz/seeds.sh
source "$(dirname "$(realpath "$0")")/seeds.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
write_leads_seeds "$work/leads"
write_picture_seeds "$picture_fuzz" "$work/pictures"
cd "$work"
"$leads_fuzz" leads/*
"$picture_fuzz" pictures/*
