#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind learner's session, heard through Orca.

Run by orca.sh inside a session bus of its own: starts the program (under a Polish locale, as a
Polish learner runs it) and Orca with a debug log, then drives the program by keys alone through the
X server (xdotool) to do four things a blind learner must be able to do: (a) find sodium's atomic
mass on "Więcej informacji", (b) learn which elements are noble gases, (c) complete a practice run,
(d) use the states-by-temperature view; and opens "Kolorowanie" twice. As a blind learner waits to
hear where a key led before pressing the next, each step waits for what Orca speaks, read as it is
written from the "SPEECH OUTPUT" lines of Orca's debug log (kept line by line, so that nothing
spoken waits in a buffer): a loaded machine slows Orca, never the checks.

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


started = []


def end_started():
    """Ends Orca and the program, so that no Orca of this run keeps the next one from starting."""
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def fail(what):
    print(f"FAIL: {what}", file=sys.stderr)
    end_started()
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


class Speech:
    """What Orca has spoken so far, in order, and how far the checks have heard it."""

    def __init__(self, path):
        self.path = path
        self.read_to = 0
        self.pending = ""
        self.lines = []
        self.heard_to = 0

    def read(self):
        if not os.path.exists(self.path):
            return
        with open(self.path, "rb") as log:
            log.seek(self.read_to)
            new = log.read()
        self.read_to += len(new)
        text = self.pending + new.decode("utf-8", errors="replace")
        complete, _, self.pending = text.rpartition("\n")
        for line in complete.split("\n"):
            found = re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line)
            if found:
                self.lines.append(found.group(1))

    def hear(self, pattern, what, seconds=40.0):
        """Waits until Orca says, after what was last heard, a line that matches."""
        end = time.monotonic() + seconds
        while True:
            self.read()
            for index in range(self.heard_to, len(self.lines)):
                if re.search(pattern, self.lines[index]):
                    self.heard_to = index + 1
                    print(f"PASS: {what}: \"{self.lines[index]}\"")
                    return
            if time.monotonic() > end:
                last = self.lines[self.heard_to - 1] if self.heard_to else ""
                print("Orca said:\n" + "\n".join("    " + line for line in self.lines), file=sys.stderr)
                fail(f"Orca did not say {what} (after \"{last}\")")
            time.sleep(0.2)


def keys(*names, pause=0.5):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(pause)


def focus_window(title):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + title, "windowfocus", "--sync"], check=True)
    time.sleep(0.8)


# Orca as installed, its debug log written line by line
ORCA_LINE_BY_LINE = """
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def line_by_line(file, mode="r", buffering=-1, *rest, **named):
    if file == log and "w" in mode:
        buffering = 1
    return plain_open(file, mode, buffering, *rest, **named)
builtins.open = line_by_line
sys.argv = ["orca", "--debug-file=" + log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

program_env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pl_PL.UTF-8", LC_ALL="pl_PL.UTF-8")
program = subprocess.Popen([PROGRAM], env=program_env)
started.append(program)
wait_for(lambda: program.poll() is None and showing_window(MAIN), "the main window")
orca = subprocess.Popen(["/usr/bin/python3", "-c", ORCA_LINE_BY_LINE, LOG, "-u", os.path.join(WORK, "orca")],
                        env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
started.append(orca)
speech = Speech(LOG)
speech.hear(r"^Screen reader on", "Orca starting", seconds=60)
focus_window(MAIN)
speech.hear(r"editable combo box", "the search field, where the main window's focus starts")

# "Kolorowanie" opened twice: its first item, checked, each time
keys("alt+k")
speech.hear(r"^Bez kolorów checked\.", "\"Bez kolorów\" checked on the first opening of \"Kolorowanie\"")
keys("Escape", "alt+k")
speech.hear(r"^Bez kolorów checked\.", "\"Bez kolorów\" checked on the second opening")
keys("Escape")
# (a) sodium's atomic mass: into the table, down to sodium, its window, the next page
keys("Tab", "Tab")
speech.hear(r"^Wodór, H, liczba atomowa 1 push button", "hydrogen's tile")
keys("Down", "Down")
speech.hear(r"^Sód, Na, liczba atomowa 11 push button", "sodium's tile")
keys("Return")
speech.hear(r"^Model przestrzenny atomu push button", "the focus in sodium's information window")
keys("ctrl+Tab")
speech.hear(r"^Więcej informacji page tab", "the page switch, with the tab's name")
speech.hear(r"^Masa atomowa: 22,990 u", "sodium's atomic mass with its caption")
keys("Escape")
focus_window(MAIN)
speech.hear(r"^Sód, Na, liczba atomowa 11 push button", "sodium's tile again, back in the table")
# (b) the noble gases: the kinds of non-metals, then up from sodium and to the row's end, neon
keys("alt+k", "p", "p", "Return")
speech.hear(r"^Podział niemetali", "the colouring chosen")
keys("Up", "End")
speech.hear(r"^Neon, Ne, liczba atomowa 10 push button", "neon's tile")
speech.hear(r"^gaz szlachetny", "that neon is a noble gas")
# (d) the states at a temperature: the view, its slider, a step up
keys("alt+i", "s", "Tab")
speech.hear(r"^Temperatura w stopniach Celsjusza slider -273", "the temperature's slider")
keys("Right")
speech.hear(r"^-272", "the temperature after a Right key")
# (c) a practice run of five questions: the first choice each time, Enter to go on
keys("alt+i", "r")
speech.hear(r"^Zakres\b", "the practice window's range, by its label")
keys("Return")
for question in range(1, 6):
    speech.hear(rf"^Pytanie {question} z 5: ", f"practice question {question}")
    keys("1")
    speech.hear(rf"^notification (Dobrze!|Źle\.) .*Wynik: \d z {question}\.", f"the feedback with the score after question {question}")
    keys("Return")
speech.hear(r"^notification Wynik: \d z 5 \(\d+ %\)\. Czas: ", "the result")

started.remove(orca)
orca.terminate()
try:
    orca.wait(timeout=20)
except subprocess.TimeoutExpired:
    orca.kill()
    fail("Orca did not end when asked")
end_started()
