#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind learner's session, heard through Orca.

Run by orca.sh inside a session bus of its own: starts the program (under a Polish locale, as a
Polish learner runs it) and Orca with a debug log, then drives the program by keys alone through the
X server (xdotool) to do four things a blind learner must be able to do: (a) find sodium's atomic
mass on "Więcej informacji", (b) learn which elements are noble gases, (c) complete a practice run,
(d) use the states-by-temperature view; and opens "Kolorowanie" twice. Orca is ended cleanly, which
writes its log; the checks read what Orca spoke, in order, from its "SPEECH OUTPUT" lines.

    orca_session.py <work folder prepared by orca.sh>
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

WORK = sys.argv[1]
PROGRAM = os.path.join(WORK, "program", "UkladOkresowy")
LOG = os.path.join(WORK, "orca.log")
MAIN = "Układ Okresowy Pierwiastków - autor: Morvane"


def fail(what):
    print(f"FAIL: {what}", file=sys.stderr)
    sys.exit(1)


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


def showing_window(title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "UkladOkresowy":
            for index in range(app.childCount):
                child = app.getChildAtIndex(index)
                if child is not None and child.name.startswith(title) and child.getState().contains(pyatspi.STATE_SHOWING):
                    return child
    return None


def focused_name():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "UkladOkresowy":
            stack = [app]
            while stack:
                node = stack.pop()
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    return node.name or ""
                stack.extend(c for c in (node.getChildAtIndex(k) for k in range(node.childCount)) if c is not None)
    return None


def reach(pattern, what):
    """Waits until the focus is on an object whose name matches: the next key goes where it should."""
    wait_for(lambda: re.search(pattern, focused_name() or ""), what, seconds=20)


def keys(*names, pause=0.8):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(pause)


def focus_window(title):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + title, "windowfocus", "--sync"], check=True)
    time.sleep(0.8)


program_env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8", LC_ALL="pl_PL.UTF-8")
program = subprocess.Popen([PROGRAM], env=program_env)
wait_for(lambda: program.poll() is None and showing_window(MAIN), "the main window")
orca = subprocess.Popen(["orca", "--debug-file=" + LOG, "-u", os.path.join(WORK, "orca")],
                        env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
# Orca is ready once it is on the accessibility bus and has read the desktop
wait_for(lambda: orca.poll() is None and any(app is not None and app.name == "orca" for app in pyatspi.Registry.getDesktop(0)),
         "Orca on the accessibility bus")
time.sleep(4)
focus_window(MAIN)
wait_for(lambda: focused_name() is not None, "the focus in the main window", seconds=20)

# "Kolorowanie" opened twice: its first item, checked, each time
keys("alt+k", "Escape", "alt+k", "Escape")
# (a) sodium's atomic mass: into the table, down to sodium, its window, the next page
keys("Tab", "Tab", "Down", "Down")
reach(r"^Sód", "the focus on sodium")
keys("Return")
wait_for(lambda: showing_window("Informacje o pierwiastku"), "sodium's information window")
reach(r"^Model przestrzenny", "the focus in sodium's information window")
keys("ctrl+Tab")
reach(r"^Masa atomowa", "the focus on the atomic mass")
keys("Escape")
focus_window(MAIN)
# (b) the noble gases: the kinds of non-metals, then up from sodium and to the row's end, neon
keys("alt+k", "p", "p", "Return", "Up", "End")
reach(r"^Neon", "the focus on neon")
# (d) the states at a temperature: the view, its slider, a step up
keys("alt+i", "s")
wait_for(lambda: showing_window(MAIN) and True, "the states' panel")
time.sleep(1)
keys("Tab")
reach(r"^Temperatura", "the focus on the temperature's slider")
keys("Right")
# (c) a practice run of five questions: the first choice each time, Enter to go on
keys("alt+i", "r")
wait_for(lambda: showing_window("Sprawdź się"), "the practice window")
reach(r"^Liczby atomowe od 1 do 20", "the focus on the practice range")
keys("Return")
for question in range(1, 6):
    reach(rf"^Pytanie {question} z 5", f"question {question}")
    keys("1")
    reach(r"^(Dalej|Wynik)$", f"the focus on going on after question {question}")
    keys("Return", pause=1.2)
reach(r"^(Powtórz błędy|Nowy test)$", "the result")
time.sleep(2)

orca.terminate()
try:
    orca.wait(timeout=20)
except subprocess.TimeoutExpired:
    orca.kill()
    fail("Orca did not end when asked")
program.terminate()
program.wait(timeout=20)

spoken = []
with open(LOG, encoding="utf-8", errors="replace") as log:
    for line in log:
        found = re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line)
        if found:
            spoken.append(found.group(1))
print("Orca said:")
for line in spoken:
    print("   ", line)

passed = 0
at = 0


def heard(pattern, what):
    """The next line Orca spoke, after the last one heard, that matches."""
    global at, passed
    for index in range(at, len(spoken)):
        if re.search(pattern, spoken[index]):
            at = index + 1
            passed += 1
            print(f"PASS: {what}: \"{spoken[index]}\"")
            return
    fail(f"Orca did not say {what} (after \"{spoken[at - 1] if at else ''}\")")


heard(r"^Bez kolorów checked\.", "\"Bez kolorów\" checked on the first opening of \"Kolorowanie\"")
heard(r"^Bez kolorów checked\.", "\"Bez kolorów\" checked on the second opening")
heard(r"^Sód, Na, liczba atomowa 11 push button", "sodium's tile")
heard(r"^Więcej informacji page tab", "the page switch, with the tab's name")
heard(r"^Masa atomowa: 22,990 u", "sodium's atomic mass with its caption")
heard(r"^Podział niemetali", "the colouring chosen")
heard(r"^Neon, Ne, liczba atomowa 10 push button", "neon's tile")
heard(r"^gaz szlachetny", "that neon is a noble gas")
heard(r"^Temperatura w stopniach Celsjusza slider -273", "the temperature's slider")
heard(r"^-272", "the temperature after a Right key")
heard(r"^Zakres\b", "the practice window's range, by its label")
heard(r"^Pytanie 1 z 5: ", "the first practice question")
heard(r"^notification (Dobrze!|Źle\.) .*Wynik: [01] z 1\.", "the feedback with the score")
heard(r"^Pytanie 5 z 5: ", "the last question")
heard(r"^notification Wynik: \d z 5 \(\d+ %\)\. Czas: ", "the result")
print(f"{passed} checks passed")
