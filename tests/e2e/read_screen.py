"""Reads the game's window as a screen reader does, through the accessibility bus, and checks
what the reader would say for a panel in a language.

Usage: read_screen.py PANEL LANGUAGE   (PANEL: start or bar; LANGUAGE: it or en)
"""
import sys
import time

import pyatspi

TITLES = {
    "it": "Vorlin     Ver. 4.01  per Windows 95, 98, ME, 2000, XP, Vista",
    "en": "Vorlin     Ver. 4.01  for Windows 95, 98, ME, 2000, XP, Vista",
}
# What the reader names on each panel: (role, name) pairs that must be there and showing.
PANELS = {
    ("start", "it"): [
        ("text", "Inserire il nome del giocatore per avviare il gioco"),
        ("scroll bar", "velocità gioco"),
        ("push button", "Start"),
        ("radio button", "Alta"), ("radio button", "Media"), ("radio button", "Bassa"),
        ("radio button", "Bassissima"),
        ("label", "Difficoltà gioco:"),
        ("label", "Clock gioco in millisecondi:"),
        ("push button", "Menù->"),
    ],
    ("start", "en"): [
        ("text", "Enter the player's name to start the game"),
        ("scroll bar", "game speed"),
        ("push button", "Start"),
        ("radio button", "Hard"), ("radio button", "Medium"), ("radio button", "Easy"),
        ("radio button", "Very easy"),
        ("label", "Difficulty:"),
        ("label", "Game clock in milliseconds:"),
        ("push button", "Menu->"),
    ],
    ("bar", "it"): [
        ("push button", name) for name in (
            "Esci", "?", "Autore", "Record", "A tutto schermo", "Gioca di nuovo",
            "Riprendi gioco", "Velocità gioco-->")
    ],
    ("bar", "en"): [
        ("push button", name) for name in (
            "Exit", "?", "Author", "Records", "Full screen", "Play again", "Continue game",
            "Game speed-->")
    ],
}


def game_frame(title):
    """The frame with the game's title, waiting up to 20 s for the game to join the bus."""
    frames = []
    for _ in range(40):
        desktop = pyatspi.Registry.getDesktop(0)
        frames = []
        for app in desktop:
            if app is None:
                continue
            for child in app:
                if child is not None and child.getRoleName() == "frame":
                    frames.append(child.name)
                    if child.name == title:
                        return child
        time.sleep(0.5)
    sys.exit(f"FAIL: no frame titled {title!r} on the accessibility bus (frames: {frames})")


def everything_under(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from everything_under(child)


def main():
    panel, language = sys.argv[1], sys.argv[2]
    frame = game_frame(TITLES[language])
    # A panel just shown may take a moment to be announced as showing.
    for _ in range(10):
        nodes = list(everything_under(frame))
        read = {(n.getRoleName(), n.name) for n in nodes
                if n.getState().contains(pyatspi.STATE_SHOWING)}
        problems = [f"the reader finds no showing {role} named {name!r}"
                    for role, name in PANELS[(panel, language)] if (role, name) not in read]
        if not problems:
            break
        time.sleep(0.5)
    # Every scroll bar and text box is named by what it is for, shown or not.
    problems += [f"a {n.getRoleName()} without a name"
                 for n in nodes if n.getRoleName() in ("scroll bar", "text") and not n.name]
    # The controls belong to the game's frame: the reader walks from each back up to it.
    name_box = next((n for n in nodes if n.getRoleName() == "text" and n.name), None)
    ancestors = []
    up = name_box.parent if name_box is not None else None
    while up is not None and len(ancestors) < 20:
        ancestors.append((up.getRoleName(), up.name))
        up = up.parent
    if ("frame", TITLES[language]) not in ancestors:
        problems.append(f"the name box does not lead back to the game's frame: {ancestors}")
    if problems:
        for problem in problems:
            print("FAIL:", problem)
        print("read:", sorted(read))
        sys.exit(1)
    print(f"{panel} panel read in {language}: {len(read)} named controls showing")


main()
