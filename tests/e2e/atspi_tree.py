"""Reads the running Tavro Memory over AT-SPI, as a screen reader would: finds the 36 cards and
the points by name, checks that no face-down card names a picture, presses card 1 through its
accessible action and reads its new name. Exits non-zero with a message on the first fault.
Usage: atspi_tree.py <names.txt of the card set in use>"""
import re
import sys
import time

import pyatspi

CARD = re.compile(r"^Card (\d+), row (\d), column (\d): (face down|face up: (.+)|matched: (.+))$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_application(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    fail("no application named %r on the accessibility bus" % name)


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, depth + 1)


def read_tree(app):
    cards, points = {}, []
    for node in walk(app):
        name = node.name or ""
        match = CARD.match(name)
        if match:
            cards[int(match.group(1))] = node
        elif name == "Points":
            points.append(node)
    return cards, points


def main():
    picture_names = open(sys.argv[1], encoding="utf-8").read().split("\n")[:18]
    app = find_application("Tavro Memory")
    cards, points = {}, []
    deadline = time.time() + 20
    while time.time() < deadline and (len(cards) < 36 or not points):
        cards, points = read_tree(app)
        time.sleep(0.5)
    if sorted(cards) != list(range(1, 37)):
        fail("found cards %s, expected 1..36" % sorted(cards))
    if len(points) != 1:
        fail("found %d objects named Points, expected one" % len(points))

    for tile, card in cards.items():
        expected = "Card %d, row %d, column %d: face down" % (tile, (tile - 1) // 6 + 1,
                                                             (tile - 1) % 6 + 1)
        if card.name != expected:
            fail("card %d is named %r, expected %r" % (tile, card.name, expected))
        if card.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail("card %d has the role %s" % (tile, card.getRoleName()))
        told = " ".join([card.name or "", card.description or ""])
        if any(name and name in told for name in picture_names):
            fail("face-down card %d tells its picture: %r" % (tile, told))

    value = points[0].queryValue()
    if value.currentValue != 0:
        fail("the points' value is %s at the start, expected 0" % value.currentValue)

    # Card 1 pressed through its accessible action turns face up, showing a named picture.
    action = cards[1].queryAction()
    names = [action.getName(index).lower() for index in range(action.nActions)]
    if "press" not in names:
        fail("card 1 offers the actions %s, without press" % names)
    action.doAction(names.index("press"))
    deadline = time.time() + 10
    while time.time() < deadline and cards[1].name.endswith("face down"):
        time.sleep(0.2)
    match = CARD.match(cards[1].name)
    if not match or not match.group(5) or match.group(5) not in picture_names:
        fail("card 1 did not turn up to a named picture: %r" % cards[1].name)
    print("atspi: 36 cards and the points found; card 1 turned up as %r" % match.group(5))


if __name__ == "__main__":
    main()
