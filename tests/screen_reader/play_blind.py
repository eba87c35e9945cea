#!/usr/bin/python3
"""Plays two problems or more and leaves the game with the keyboard alone, and records what the game
tells a screen reader: at every focus change the focused control's role, name and description,
and at every box that opens its title, texts and buttons. Checks that what is told is what the
screen shows, read back from the labels on show. Prints the record as a transcript.

Usage: play_blind.py BINARY (under X, with the accessibility bus on)
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "VORLANE QUADRANGOLARE REGOLARE"
UNIT_WORDS = {"cm": "centimetri", "cmq": "centimetri quadrati", "cmc": "centimetri cubi"}

told = []  # (kind, role, name, what is said besides the name)
failures = []


class Failed(Exception):
    pass


def from_the_game(accessible):
    try:
        return accessible.getApplication().name == "vorlane"
    except Exception:  # an object that is gone by the time its event arrives
        return False


# A screen reader that keeps what it has been told hears a description as the events had it
# when the focus arrived: one changed only after the focus moved comes too late.
descriptions = {}


def on_description(event):
    if from_the_game(event.source):
        descriptions[event.source] = event.source.description


def on_focus(event):
    if event.detail1 == 1 and from_the_game(event.source):
        s = event.source
        if s not in descriptions:  # asked once, then kept up to date by the change events
            descriptions[s] = s.description
        told.append(("focus", s.getRoleName(), s.name, descriptions[s]))


def on_window(event):
    s = event.source
    if not from_the_game(s):
        return
    parts = [s.description] if s.description else []
    if s.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
        labels = pyatspi.findAllDescendants(s, lambda o: o.getRole() == pyatspi.ROLE_LABEL)
        buttons = pyatspi.findAllDescendants(s, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        parts += [repr(label.name) for label in labels if label.name]
        parts.append("pulsanti: " + ", ".join(b.name for b in buttons))
    told.append(("window", s.getRoleName(), s.name, "; ".join(parts)))


def wait_for(what, test, seconds=10):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        found = test()
        if found:
            return found
        time.sleep(0.02)
    raise Failed(f"no {what} within {seconds} s")


heard = 0  # how much of the record the checks have gone through


def next_told(kind, role, name):
    """The next utterance of that kind about that control, skipping the others."""
    def find():
        global heard
        while heard < len(told):
            heard += 1
            if told[heard - 1][:3] == (kind, role, name):
                return told[heard - 1]
        return None
    return wait_for(f"{kind} on the {role} {name!r}", find)


def press(*keys):
    subprocess.run(["xdotool", *keys], check=True, timeout=10)


def labels_on_show():
    """(text, description) of every label the pupil can see, read through the bus."""
    desktop = pyatspi.Registry.getDesktop(0)
    game = next(app for app in desktop if app is not None and app.name == "vorlane")
    labels = pyatspi.findAllDescendants(
        game, lambda o: o.getRole() == pyatspi.ROLE_LABEL and
        o.getState().contains(pyatspi.STATE_SHOWING))
    return [(label.name, label.description) for label in labels]


def expect(condition, complaint):
    if not condition:
        failures.append(complaint)


def check_problem(said):
    """Every number on show, and the asked quantity, are in what the box says."""
    labels = labels_on_show()
    numbers = {text for text, description in labels
               if text.isdigit() and not description.startswith("Risposte")}
    expect(len(numbers) >= 2, f"the screen shows only the numbers {numbers}")
    for number in sorted(numbers):
        expect(re.search(rf"\b{number}\b", said), f"{number} is on show, not in {said!r}")
    for text, description in labels:
        if description.endswith("in centimetri"):  # a measure on the drawing
            expect(f"{text} centimetri" in said, f"{text} cm is on show, not in {said!r}")
    sentence = [m.group(1) for text, _ in labels if (m := re.search(r" (cm[qc]?) +$", text))]
    extra = [text for text, description in labels if text.isdigit() and not description]
    if sentence and extra:
        spoken = f"{extra[0]} {UNIT_WORDS[sentence[0]]}"
        expect(spoken in said, f"{spoken!r} is on show, not in {said!r}")
    asked = said.split(". Dati:")[0]
    expect(asked in {text for text, _ in labels}, f"{asked!r} is not the title on show")
    return bool(extra)


def check_verdict(said, right, wrong, total):
    """The verdict on show, then the counts on show, which are the ones worked out here."""
    labels = labels_on_show()
    verdicts = [text for text, _ in labels if re.fullmatch(r"Esatto\.OK!!!|Sbagliato!! \d+", text)]
    expect(len(verdicts) == 1, f"the screen shows the verdicts {verdicts}")
    counts = {description: text for text, description in labels
              if description.startswith("Risposte ")}
    shown = (counts.get("Risposte esatte"), counts.get("Risposte errate"),
             counts.get("Risposte totali"))
    expect(shown == (str(right), str(wrong), str(total)), f"the score on show is {shown}")
    expect(verdicts and said.startswith(verdicts[0]), f"{said!r} does not start with the verdict")
    score = f"Risposte esatte {right}, errate {wrong}, totali {total}"
    expect(score in said, f"{said!r} does not give the score {score!r}")
    return verdicts[0] if verdicts else ""


def check_box(title, text, buttons, focused):
    window = next_told("window", "alert", title)
    expect(repr(text) in window[3], f"the box {title!r} does not say {text!r}: {window[3]!r}")
    expect(f"pulsanti: {buttons}" == window[3].split("; ")[-1],
           f"the box {title!r} has not the buttons {buttons}: {window[3]!r}")
    next_told("focus", "push button", focused)


def play(binary):
    pyatspi.Registry.registerEventListener(on_description,
                                           "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_window, "window:activate")
    game = subprocess.Popen([binary])
    try:
        # What a window manager does when the window opens: give it the keyboard.
        press("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$",
              "windowfocus", "--sync")

        first = next_told("focus", "text", "Risposta")[3]
        kinds = {check_problem(first)}
        press("type", "0")
        press("key", "Return")
        verdict = check_verdict(next_told("focus", "push button", "Nuovo calcolo")[3], 0, 1, 1)
        right = verdict.removeprefix("Sbagliato!! ")
        expect(right.isdigit(), f"a wrong 0 gave the verdict {verdict!r}")

        # Back to the same problem, which now has its answer.
        press("key", "Tab")
        expect(next_told("focus", "text", "Risposta")[3] == first, "the box tells another problem")
        press("type", right)
        press("key", "Return")
        verdict = check_verdict(next_told("focus", "push button", "Nuovo calcolo")[3], 1, 1, 2)
        expect(verdict == "Esatto.OK!!!", f"{right} gave the verdict {verdict!r}")

        # Further problems, wrong each time, until one with an extra datum and one without
        # have been heard: a third of the types have none.
        wrong = 1
        while len(kinds) < 2 or wrong < 2:
            expect(wrong <= 30, "30 problems and never both kinds")
            if wrong > 30:
                break
            press("key", "space")
            kinds.add(check_problem(next_told("focus", "text", "Risposta")[3]))
            press("type", "0")
            press("key", "Return")
            wrong += 1
            check_verdict(next_told("focus", "push button", "Nuovo calcolo")[3], 1, wrong, wrong + 1)

        press("key", "alt+x")
        check_box("Uscire dal programma", "Vuoi veramente lasciarmi  ?", "Sì, No", "No")
        press("key", "Tab")
        next_told("focus", "push button", "Sì")
        press("key", "Return")
        check_box("Vorlane", "Ciao a presto ", "OK", "OK")
        press("key", "Return")
        expect(game.wait(timeout=10) == 0, f"the game ended with {game.returncode}")
    except (Failed, subprocess.SubprocessError) as failure:
        failures.append(str(failure))
    finally:
        game.kill()


def main():
    play(sys.argv[1])
    print("What the screen reader is told:")
    for kind, role, name, said in told:
        print(f"  {kind:6} {role} {name!r}: {said}")
    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print("the problems played and the game left by ear")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
