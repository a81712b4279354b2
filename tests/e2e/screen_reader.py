#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built program as a screen reader and a keyboard-only learner meet it.

Started under Xvfb with the accessibility bus (run by screen_reader.sh inside dbus-run-session),
the program's tree is read through AT-SPI: the 111 tiles with their Polish names (118 with
"Pierwiastki 112–118"), a tile's action opening the information window and that window's labels,
the menus with their check marks, the track bars' values (set from outside too). Then, started afresh, it is driven by keys alone through
the X server (xdotool, no mouse event), each step checked through AT-SPI and by the events a screen
reader speaks from (focus, name, value, state and selection changes): a change no event tells is a
change a reader never speaks. The last steps open the solubility table by keys and hear ten of its
cells as the arrows reach them, and read the property chart's data as a table.

    screen_reader.py <folder of a copy of the built program>
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = os.path.join(sys.argv[1], "UkladOkresowy")
TILE_NAME = re.compile(r"^(\w+), ([A-Z][a-z]?), liczba atomowa (\d+)$")
passed = 0


def fail(what):
    print(f"FAIL: {what}", file=sys.stderr)
    sys.exit(1)


def check(condition, what):
    global passed
    if not condition:
        fail(what)
    passed += 1
    print(f"PASS: {what}")


def wait_for(find, what, seconds=60.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes under a walk while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail(f"waited in vain for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "UkladOkresowy":
            return app
    return None


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(title):
    app = application()
    if app is None:
        return None
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if child is not None and child.name == title and showing(child):
            return child
    return None


def named(root, role, name):
    for node in walk(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def press(node):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) in ("Press", "press", "click"):
            actions.doAction(index)
            return
    fail(f"{node.name!r} has no press action")


def focused():
    app = application()
    for node in walk(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


heard = []


def listen(event):
    try:
        heard.append((event.type, event.source.getRoleName(), event.source.name or "", event.detail1, event.any_data))
    except Exception:  # a source gone before it is asked
        pass


EVENTS = ["focus:", "object:state-changed:focused", "object:property-change:accessible-name",
          "object:property-change:accessible-description", "object:property-change:accessible-value", "object:state-changed:checked",
          "object:state-changed:selected", "object:state-changed:showing"]


def pump(seconds):
    """Lets the events that came in reach the listener."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.3)


def told(kind, role, name=None, since=0):
    """The events of the kind on an object of the role (any role for None; and the name, or a name
    that the test accepts) heard since the mark."""
    return [e for e in heard[since:] if e[0].startswith(kind) and (role is None or e[1] == role)
            and (name is None or (name(e[2]) if callable(name) else e[2] == name))]


def start():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([PROGRAM], env=env)

    def main_window():
        if process.poll() is not None:
            fail(f"the program ended with {process.returncode} before its main window showed")
        return window(MAIN)

    wait_for(main_window, "the main window")
    return process


def stop(process):
    process.terminate()
    process.wait(timeout=10)


MAIN = "Układ Okresowy Pierwiastków - autor: Morvane"
INFORMATION = "Informacje o pierwiastku"

# --- what a screen reader reads ---
program = start()
main = window(MAIN)
check(main.getRoleName() == "frame", "the main window is a window under its title")
tiles = [node for node in walk(main) if node.getRoleName() == "push button" and TILE_NAME.match(node.name or "")]
check(len(tiles) == 111, f"111 tiles are buttons named by element, symbol and number ({len(tiles)})")
numbers = sorted(int(TILE_NAME.match(tile.name).group(3)) for tile in tiles)
check(numbers == list(range(1, 112)), "the tiles name every atomic number from 1 to 111 once")
sodium = next(tile for tile in tiles if tile.name == "Sód, Na, liczba atomowa 11")
press(sodium)
information = wait_for(lambda: window(INFORMATION), "the information window after the tile's action")
labels = {node.name for node in walk(information) if node.getRoleName() == "label"}
check({"Na", "Sód", "Natrium", "11"} <= labels, f"the information window's labels read sodium ({sorted(labels)[:12]})")
tabs = [node for node in walk(information) if node.getRoleName() == "page tab"]
selected = [tab.name for tab in tabs if tab.getState().contains(pyatspi.STATE_SELECTED)]
check(len(tabs) >= 3 and selected == ["Podstawowe informacje"], f"the pages' tabs, the first selected ({[t.name for t in tabs]})")

bar = next(node for node in walk(main) if node.getRoleName() == "menu bar")
menus = [bar.getChildAtIndex(k) for k in range(bar.childCount)]
check([menu.name for menu in menus] == ["Plik", "Widok", "Kolorowanie", "Interakcje", "Pomoc"], "the menu bar's five menus")
colourings = menus[2]
items = {colourings.getChildAtIndex(k).name: colourings.getChildAtIndex(k) for k in range(colourings.childCount)}
checked = [name for name, item in items.items() if item.getState().contains(pyatspi.STATE_CHECKED)]
check("Metale i niemetale" in items and "Gęstość" in items and checked == ["Bez kolorów"],
      f"the colourings listed, only \"Bez kolorów\" checked ({checked})")
press(items["Metale i niemetale"])
wait_for(lambda: items["Metale i niemetale"].getState().contains(pyatspi.STATE_CHECKED), "the check mark to move")
check(not items["Bez kolorów"].getState().contains(pyatspi.STATE_CHECKED), "a colouring chosen through its item moves the check mark")
interactions = menus[3]
views = {interactions.getChildAtIndex(k).name for k in range(interactions.childCount)}
check({"Liczba atomów", "Daty odkryć", "Stany skupienia", "Sprawdź się…"} <= views, "the items of \"Interakcje\"")

press(named(interactions, "menu item", "Stany skupienia"))
slider = wait_for(lambda: next((node for node in walk(main) if node.getRoleName() == "slider" and node.name == "Temperatura w stopniach Celsjusza"
                                and showing(node)), None), "the temperature's track bar")
value = slider.queryValue()
check((value.minimumValue, value.maximumValue) == (-273.0, 5700.0),
      f"the track bar reports its range ({value.minimumValue} to {value.maximumValue})")
value.currentValue = 100
wait_for(lambda: slider.queryValue().currentValue == 100, "the track bar to take a value set from outside")
temperature = wait_for(lambda: next((node.name for node in walk(main) if node.getRoleName() == "label" and "C" in (node.name or "")
                                     and node.name.startswith("100")), None), "the temperature's label")
check(temperature.startswith("100"), f"a value set from outside moves the view ({temperature})")

# "Pierwiastki 112–118" from "Widok": 118 tiles named and pressable, oganeson's window with its
# predictions; and back
newer = named(menus[1], "check menu item", "Pierwiastki 112–118") or named(menus[1], "menu item", "Pierwiastki 112–118")
check(newer is not None and not newer.getState().contains(pyatspi.STATE_CHECKED), "\"Pierwiastki 112–118\" in \"Widok\", unchecked")
press(newer)
wait_for(lambda: newer.getState().contains(pyatspi.STATE_CHECKED), "\"Pierwiastki 112–118\" checked")


def tiles_named():
    return [node for node in walk(main) if node.getRoleName() == "push button" and TILE_NAME.match(node.name or "") and showing(node)]


wait_for(lambda: len(tiles_named()) == 118, "118 tiles")
numbers = sorted(int(TILE_NAME.match(tile.name).group(3)) for tile in tiles_named())
check(numbers == list(range(1, 119)), "with them the tiles name every atomic number from 1 to 118 once")
press(next(tile for tile in tiles_named() if tile.name == "Oganeson, Og, liczba atomowa 118"))
wait_for(lambda: any(node.name == "Oganeson" for node in walk(window(INFORMATION)) if node.getRoleName() == "label"), "oganeson's window")
values = [node.name for node in walk(window(INFORMATION)) if node.getRoleName() == "label" and (node.name or "").startswith(("Masa atomowa:", "Konfiguracja"))]
check(any(v.startswith("Masa atomowa: [294] (okres półtrwania 0") for v in values)
      and any(v.endswith("7p6 (przewidywane)") for v in values), f"oganeson's mass and predicted configuration read with their captions ({values})")
press(newer)
wait_for(lambda: len(tiles_named()) == 111, "the 111 tiles again")
check(not newer.getState().contains(pyatspi.STATE_CHECKED), "turned off, the table of 111 again")
stop(program)

# --- keys alone, through the X server ---
pyatspi.Registry.registerEventListener(listen, *EVENTS)
program = start()
# the focus a window manager gives a new window
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
wait_for(focused, "the focus in the main window")
check(focused().getRoleName() == "combo box", "the search box has the focus at start")
for _ in range(4):
    now = focused()
    if now is not None and TILE_NAME.match(now.name or ""):
        break
    keys("Tab")
check(focused().name == "Wodór, H, liczba atomowa 1", "Tab leads from the search into the table, to hydrogen")
keys("Down", "Down")
check(focused().name == "Sód, Na, liczba atomowa 11", "the arrows lead to sodium")
check(told("object:state-changed:focused", "push button", "Sód, Na, liczba atomowa 11"), "the focus on sodium is told")
keys("Return")
information = wait_for(lambda: window(INFORMATION), "the information window after Enter")
labels = {node.name for node in walk(information) if node.getRoleName() == "label"}
check({"Na", "Sód", "Natrium"} <= labels, "Enter opens sodium's information")
# a page switch: the tab's selection and the focus on the page's first row, read with its caption
mark = len(heard)
keys("ctrl+Tab")
pump(0.5)
check(told("object:state-changed:selected", "page tab", "Więcej informacji", mark), "Ctrl+Tab tells the tab chosen")
masses = told("object:state-changed:focused", "label", lambda name: name.startswith("Masa atomowa: 22"), mark)
check(masses, f"the focus goes to the atomic mass, read with its caption ({[e[2] for e in heard[mark:]][:6]})")
mark = len(heard)
keys("Down")
check(told("object:state-changed:focused", "label", "Konfiguracja elektronowa: [Ne] 3s1", mark),
      "Down goes to the configuration, its superscripts read as plain digits")
# another element shown: the labels tell their new names
mark = len(heard)
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
keys("Right", "Return")
pump(0.5)
check(told("object:property-change:accessible-name", "label", "Mg", mark), "the symbol's label tells its new text")
window_now = wait_for(lambda: window(INFORMATION), "the information window again")
keys("Escape")
wait_for(lambda: window(INFORMATION) is None, "Esc to close the information window")
check(True, "Esc closes the information window")
# the focus back on the main window, as the window manager gives it when a window closes
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
# Alt+W opens "Widok" on its first item; Up goes round to the last one, "Wizualizacja 3D"
keys("alt+w", "Up", "Return")
wait_for(lambda: window("Przestrzenny model atomu (o - opcje)"), "the 3D window from \"Widok\" by keys")
check(True, "Alt+W opens \"Widok\" and the keys reach \"Wizualizacja 3D\"")
keys("Escape")
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
# a menu opened a second time tells its first item, with its check mark, as the focus
for opening in (1, 2):
    mark = len(heard)
    keys("alt+k")
    items = told("object:state-changed:focused", "menu item", "Bez kolorów", mark)
    check(items, f"opening {opening} of \"Kolorowanie\" tells \"Bez kolorów\"")
    keys("Escape")
checked_item = wait_for(lambda: next((node for node in walk(application()) if node.getRoleName() == "menu item"
                                      and node.name == "Bez kolorów" and showing(node)), None) or True, "the menu")
# a colouring by kind: the tile with the focus tells what its colour means
keys("alt+k", "p", "Return")
pump(0.5)
keys("Up")
tile = focused()
check(tile is not None and tile.name.startswith("Beryl") and tile.description == "metal ziem alkalicznych",
      f"a tile says its kind ({tile.name if tile else None}: {tile.description if tile else None})")
# the states view: the slider's value and the label's text are told as they change
keys("alt+i", "s")
pump(0.5)
for _ in range(6):
    now = focused()
    if now is not None and now.getRoleName() == "slider":
        break
    keys("Tab")
check(focused().getRoleName() == "slider", "Tab reaches the temperature's slider")
mark = len(heard)
keys("Right")
check(told("object:property-change:accessible-value", "slider", None, mark), "Right tells the slider's new value")
check(told("object:property-change:accessible-name", "label", "-272 °C", mark), "the temperature's label tells \"-272 °C\"")
mark = len(heard)
keys("Tab", "space")
check(told("object:state-changed:checked", "check box", "Animacja wzrostu temperatury", mark), "Space tells the check mark")
keys("space")
# the solubility table: each cell the arrows reach is told by its name, its letter and what it means
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
keys("alt+i", "t")
wait_for(lambda: window("Tabela rozpuszczalności"), "the solubility table's window by keys")
cells = [line.split("\t") for line in open(os.path.join(sys.argv[1], "Zbiory", "rozpuszczalnosc.txt"), encoding="utf-8")
         if line.strip() and not line.startswith("#")][1:]
cations = list(dict.fromkeys(cell[0] for cell in cells))
anions = list(dict.fromkeys(cell[1] for cell in cells))
for cation, anion, letter in [("Ag+", "Cl-", "N"), ("Ba2+", "SO4^2-", "N"), ("Ca2+", "CO3^2-", "N"), ("Mg2+", "OH-", "N"),
                              ("Ca2+", "SO4^2-", "T"), ("Pb2+", "Cl-", "T"), ("Ca2+", "OH-", "T"),
                              ("Na+", "NO3-", "R"), ("K+", "Cl-", "R"), ("Ag+", "NO3-", "R")]:
    mark = len(heard)
    keys("ctrl+Home", *(["Down"] * cations.index(cation)), *(["Right"] * anions.index(anion)))
    pump(0.3)
    name = focused().name if focused() is not None else ""
    check(re.match(r"^\S+: " + letter + " — ", name or "") is not None and told("object:property-change:accessible-name", None, name, mark),
          f"the cell of {cation} and {anion} is told: {name}")
check(focused().name == "AgNO₃: R — substancja rozpuszczalna", "a cell reads its formula with subscripts, its letter and its meaning")
keys("Escape")
# the property chart: its data as a table of every element, row by row
subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + MAIN, "windowfocus", "--sync"], check=True)
keys("alt+i", "w")
chart = wait_for(lambda: window("Wykres właściwości"), "the property chart's window by keys")
table = wait_for(lambda: next((node for node in walk(chart) if node.getRoleName() == "table"), None), "the chart's data table")
rows = table.queryTable().nRows
check(rows >= 100, f"the chart's data read as a table of {rows} rows")
sodium = table.queryTable().getAccessibleAt(10, 1)
check(sodium is not None and sodium.name == "Na", f"its eleventh row is sodium's ({sodium.name if sodium else None})")
keys("Escape")
stop(program)
print(f"{passed} checks passed")
