# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Tavro Memory over AT-SPI, as a screen reader would: finds the 36 cards and
the points by name, checks that no face-down card names a picture and that every menu item tells
its role and its place in its menu, then plays a whole game as a blind player could, pressing
cards through their accessible action and remembering the names they show face up, and listens
for the score's value changes and the announcement of the end.
Exits non-zero with a message on the first fault.
Usage: atspi_tree.py <set.desktop of the card set in use>"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

# A card is named by its state first, then its place: column letter and row number ("face down
# B3", "fox B3").
CARD = re.compile(r"^(?:(face down)|(.+)) ([A-F])([1-6])$")


def tile_of(match):
    return (int(match.group(4)) - 1) * 6 + ord(match.group(3)) - ord("A") + 1


def picture_of(name):
    """The picture a card's name tells, or None while it is face down."""
    match = CARD.match(name or "")
    return match.group(2) if match and not match.group(1) else None


def is_points(name):
    return name == "Points" or name.startswith("Points: ")


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


def pump(seconds):
    """Lets the accessibility events that have arrived reach the listeners."""
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.time() >= deadline:
            return
        time.sleep(0.02)


def read_tree(app):
    cards, points = {}, []
    for node in walk(app):
        name = node.name or ""
        match = CARD.match(name)
        if match and node.getRole() == pyatspi.ROLE_TABLE_CELL:
            cards[tile_of(match)] = node
        elif is_points(name):
            points.append(node)
    return cards, points


# The menus' items as a screen reader is told them: name and role, in their order; the separators
# have no name. Each must know its place in its menu, or Orca takes it for an object gone.
MENUS = {
    "Game": [("New", "menu item"), ("Leads", "menu item"), ("", "separator"),
             ("Show!", "menu item"), ("", "separator"), ("Exit", "menu item")],
    "Play": [("One player", "radio button"), ("Two players…", "radio button"),
             ("Against the computer…", "radio button"), ("", "separator"),
             ("Sounds", "check box"), ("Animate cards", "check box"),
             ("Say the score", "menu item"),
             ("Repeat the computer's turn", "menu item"), ("", "separator"),
             ("Record games", "check box"), ("Statistics…", "menu item"), ("", "separator"),
             ("Card size", "menu item")],
    "Card size": [("Normal", "radio button"), ("150 %", "radio button"),
                  ("200 %", "radio button"), ("300 %", "radio button"),
                  ("Fit the screen", "radio button"), ("", "separator"),
                  ("Larger", "menu item"), ("Smaller", "menu item"),
                  ("Normal size", "menu item")],
}


def check_menus(app):
    openers = {node.name: node for node in walk(app)
               if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name in MENUS}
    for title, expected in MENUS.items():
        if title not in openers or openers[title].childCount != 1:
            fail("no menu %r opens from the menu bar" % title)
        menu = openers[title].getChildAtIndex(0)
        told = []
        for index in range(menu.childCount):
            item = menu.getChildAtIndex(index)
            told.append((item.name or "", item.getRoleName()))
            if item.getIndexInParent() != index:
                fail("%s: %r tells its place as %d, not %d"
                     % (title, item.name, item.getIndexInParent(), index))
        if told != expected:
            fail("the %s menu tells %s, expected %s" % (title, told, expected))
    one_player = openers["Play"].getChildAtIndex(0).getChildAtIndex(0)
    if not one_player.getState().contains(pyatspi.STATE_CHECKED):
        fail("One player is not told as checked")


def read_picture_names(set_file):
    """The English picture names (Picture1..Picture18, the plain keys) of a set.desktop."""
    names = {}
    for line in open(set_file, encoding="utf-8").read().split("\n"):
        key, equals, value = line.partition("=")
        if equals and re.fullmatch(r"Picture([0-9]+)", key.strip()):
            names.setdefault(int(key.strip()[len("Picture"):]), value.strip())
    if sorted(names) != list(range(1, 19)):
        fail("the set does not name all 18 pictures: %s" % sorted(names))
    return [names[n] for n in range(1, 19)]


def main():
    picture_names = read_picture_names(sys.argv[1])
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
        expected = "face down %s%d" % ("ABCDEF"[(tile - 1) % 6], (tile - 1) // 6 + 1)
        if card.name != expected:
            fail("card %d is named %r, expected %r" % (tile, card.name, expected))
        told = " ".join([card.name or "", card.description or ""])
        if any(name and name in told for name in picture_names):
            fail("face-down card %d tells its picture: %r" % (tile, told))

    check_menus(app)

    value = points[0].queryValue()
    if value.currentValue != 0:
        fail("the points' value is %s at the start, expected 0" % value.currentValue)

    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append((event.type, event.source.name, event.source.description)),
        "object:property-change:accessible-value",
        "object:property-change:accessible-description")
    pump(1.0)  # the program learns of the listener through the registry

    action = cards[1].queryAction()
    actions = [action.getName(index).lower() for index in range(action.nActions)]
    if "press" not in actions:
        fail("card 1 offers the actions %s, without press" % actions)
    press = actions.index("press")

    def turn(tile):
        """Presses the card and returns the picture it shows, as its name tells."""
        cards[tile].queryAction().doAction(press)
        deadline = time.time() + 10
        while time.time() < deadline:
            picture = picture_of(cards[tile].name)
            if picture:
                return picture
            pump(0.02)
        fail("card %d did not turn up: %r" % (tile, cards[tile].name))

    def wait_face_down(tile):
        deadline = time.time() + 10
        while not cards[tile].name.startswith("face down"):
            if time.time() > deadline:
                fail("card %d did not turn back" % tile)
            pump(0.05)

    seen, matched, mismatches = {}, set(), 0

    def turn_pair(first, second):
        nonlocal mismatches
        seen[first] = turn(first)
        seen[second] = turn(second)
        if seen[first] == seen[second]:
            matched.update((first, second))
        else:
            mismatches += 1
            wait_face_down(first)
            wait_face_down(second)

    for first in range(1, 36, 2):
        turn_pair(first, first + 1)
    for tile in range(1, 37):
        if tile in matched:
            continue
        partner = next(t for t in range(tile + 1, 37) if t not in matched and seen[t] == seen[tile])
        turn_pair(tile, partner)
    if any(name not in picture_names for name in seen.values()):
        fail("cards showed names not in set.desktop: %s" % sorted(set(seen.values())))
    score = 1800 - 10 * mismatches

    deadline = time.time() + 10
    told = []
    while time.time() < deadline and not told:
        pump(0.1)
        told = [h for h in heard
                if h[0].endswith("accessible-description") and is_points(h[1] or "")]
    if not told or told[-1][2] != "Game over: %d points" % score:
        fail("the end of the game was not announced on Points: %s" % told)
    values = [h for h in heard if h[0].endswith("accessible-value") and is_points(h[1] or "")]
    if len(values) != 18 + mismatches:
        fail("heard %d value changes of Points for %d turns" % (len(values), 18 + mismatches))
    if points[0].queryValue().currentValue != score:
        fail("Points tells %s, expected %d" % (points[0].queryValue().currentValue, score))
    print("atspi: 36 cards and the points found; a game of %d mismatches played over AT-SPI, "
          "%d value changes and the end announced" % (mismatches, len(values)))

if __name__ == "__main__":
    main()
