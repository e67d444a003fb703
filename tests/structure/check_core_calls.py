#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that nothing the game core calls in the windows opens a window or runs events while the
# core's call is on the stack: the BoardView methods the main window implements, and every
# function of app/ they call, directly or through others, may queue such work
# (QMetaObject::invokeMethod, QTimer::singleShot, connect) but not do it. A dialog opened inside
# the core's call would run the event loop in the middle of a turn or a deal, with the core's
# state half changed.
# Usage: check_core_calls.py <source folder>
import re
import sys
from pathlib import Path

# The BoardView methods: the core calls these.
ROOTS = ("showTilePicture", "showPoints", "setHintCommandEnabled", "setFrameColour",
         "requestWait", "reportOutcome")
# What opens a window, waits for one or runs events.
FORBIDDEN = re.compile(r"\bexec\s*\(|\bQMessageBox\b|\bQFileDialog\b|\bQInputDialog\b|"
                       r"\bReportError\s*\(|\bReportException\s*\(|\bprocessEvents\b")
# Calls whose arguments run later, from the event loop.
QUEUED = re.compile(r"\b(?:QMetaObject::invokeMethod|QTimer::singleShot|connect)\s*\(")
KEYWORDS = {"if", "for", "while", "switch", "catch", "return", "sizeof", "decltype", "alignof",
            "static_cast", "const_cast", "reinterpret_cast", "dynamic_cast", "noexcept"}
DEFINITION = re.compile(r"\b(?:(\w+)::)?(~?\w+)\s*\(")
CALL = re.compile(r"\b(\w+)\s*\(")


def strip_comments_and_literals(text):
    """The text with comments removed and string and character literals blanked, so that
    braces and names in them count for nothing; line breaks are kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end))
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * max(0, min(j, n) - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def matching(text, start, opening, closing):
    """The index just past the bracket that closes the one at `start`."""
    depth = 0
    for i in range(start, len(text)):
        if text[i] == opening:
            depth += 1
        elif text[i] == closing:
            depth -= 1
            if depth == 0:
                return i + 1
    return len(text)


def definitions(text):
    """(name, body, line) of each function defined in the text."""
    found = []
    for match in DEFINITION.finditer(text):
        name = match.group(2)
        if name in KEYWORDS:
            continue
        after = matching(text, match.end() - 1, "(", ")")
        rest = re.match(r"\s*(?:(?:const|override|noexcept|final)\s*)*\{", text[after:])
        if not rest:
            continue
        body_start = after + rest.end() - 1
        body = text[body_start:matching(text, body_start, "{", "}")]
        found.append((name, body, text.count("\n", 0, match.start()) + 1))
    return found


def without_queued_work(body):
    """The body without the arguments of calls that queue work for the event loop."""
    while True:
        match = QUEUED.search(body)
        if not match:
            return body
        end = matching(body, match.end() - 1, "(", ")")
        body = body[:match.start()] + body[end:]


def main():
    root = Path(sys.argv[1])
    functions = {}  # name -> [(file, line, body)]
    for source in sorted((root / "app").glob("*.[ch]*")):
        text = strip_comments_and_literals(source.read_text(encoding="utf-8"))
        for name, body, line in definitions(text):
            functions.setdefault(name, []).append(
                (source.relative_to(root), line, without_queued_work(body)))

    failures = 0
    told = set()
    reached = {name: [name] for name in ROOTS if name in functions}
    pending = list(reached)
    while pending:
        name = pending.pop()
        for source, line, body in functions[name]:
            for hit in FORBIDDEN.finditer(body):
                if (source, line, hit.group(0)) in told:
                    continue
                told.add((source, line, hit.group(0)))
                print(f"{source}:{line}: {' -> '.join(reached[name])} uses {hit.group(0).strip()}"
                      " inside the game core's call (queue it)")
                failures += 1
            for call in CALL.finditer(body):
                callee = call.group(1)
                if callee in functions and callee not in reached and callee not in KEYWORDS:
                    reached[callee] = reached[name] + [callee]
                    pending.append(callee)
    missing = [name for name in ROOTS if name not in functions]
    if missing:
        print("no definition found in app/ of: " + ", ".join(missing))
        failures += 1
    if failures == 0:
        print(f"no window opens inside the game core's call ({len(reached)} functions reached)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
