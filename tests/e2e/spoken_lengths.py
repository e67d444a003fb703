#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the screen reader talks after each kind of step, measured with espeak-ng at its
# default rate (175 words a minute, Orca's default) on the texts an Orca run logged. The run
# (tests/e2e/orca_e2e.sh) writes one line per step: the language, the kind of step, then each
# text Orca spoke after the key, tab-separated. Each text is synthesised on its own, as the
# speech server speaks it, and the lengths of the audio are added up.
# Prints a table (median and longest per language and kind) against each kind's goal; with
# --check, fails when a median is over its goal.
# Usage: spoken_lengths.py [--check] [--markdown] steps.tsv...
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import wave

# The longest a step may take to hear, in seconds (the median over the run), with what Orca adds
# (the key's echo, such as "return"): a move names a card's state and place; a turn names the
# picture; a match, a mismatch, a hint, a new deal and the score are each one short sentence
# with the score; the end is the last pair, "Game over" and the name entry, with the score once;
# a pair the computer turns is one sentence with both pictures and places.
GOALS = {
    "move": 1.5,
    "turn": 2.0,  # the key's echo ("space") and a picture's name, which may be long
    "match": 4.5,
    "mismatch": 4.5,
    "hint": 4.5,
    "end": 9.0,
    "new game": 3.0,
    "score": 2.5,
    "computer pair": 3.0,
}
ORDER = list(GOALS)


def spoken_seconds(text, language, cache, folder):
    key = (language, text)
    if key not in cache:
        wav = os.path.join(folder, "text.wav")
        subprocess.run(["espeak-ng", "-v", language, "-w", wav, "--", text], check=True)
        with wave.open(wav) as audio:
            cache[key] = audio.getnframes() / audio.getframerate()
    return cache[key]


def read_steps(paths):
    steps = []
    for path in paths:
        with open(path, encoding="utf-8") as lines:
            for line in lines:
                fields = line.rstrip("\n").split("\t")
                if len(fields) >= 2:
                    steps.append((fields[0], fields[1], [t for t in fields[2:] if t.strip()]))
    return steps


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true", help="fail when a median is over its goal")
    parser.add_argument("--markdown", action="store_true", help="print a Markdown table")
    parser.add_argument("steps", nargs="+")
    args = parser.parse_args()

    cache = {}
    lengths = {}  # (language, kind) -> [seconds]
    examples = {}
    with tempfile.TemporaryDirectory() as folder:
        for language, kind, texts in read_steps(args.steps):
            seconds = sum(spoken_seconds(t, language, cache, folder) for t in texts)
            lengths.setdefault((language, kind), []).append(seconds)
            examples.setdefault((language, kind), " / ".join(texts))

    over = []
    keys = sorted(lengths, key=lambda k: (k[0], ORDER.index(k[1]) if k[1] in ORDER else 99, k[1]))
    if args.markdown:
        print("| language | step | steps | median s | longest s | goal s | example |")
        print("|---|---|---|---|---|---|---|")
    else:
        print(f"{'lang':4} {'step':9} {'n':>4} {'median':>7} {'longest':>7} {'goal':>5}  example")
    for key in keys:
        language, kind = key
        values = lengths[key]
        median = statistics.median(values)
        goal = GOALS.get(kind)
        if goal is not None and median > goal:
            over.append(f"{language} {kind}: {median:.2f} s > {goal} s")
        goal_text = f"{goal:.1f}" if goal is not None else "-"
        if args.markdown:
            print(f"| {language} | {kind} | {len(values)} | {median:.2f} | {max(values):.2f} | "
                  f"{goal_text} | {examples[key]} |")
        else:
            print(f"{language:4} {kind:9} {len(values):4} {median:7.2f} {max(values):7.2f} "
                  f"{goal_text:>5}  {examples[key]}")
    if over:
        print("over the goal: " + "; ".join(over), file=sys.stderr)
        if args.check:
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
