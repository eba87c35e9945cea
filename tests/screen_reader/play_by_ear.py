#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game with the keyboard alone while Orca speaks, and checks what Orca said: every
problem's title and given numbers with their units, every verdict with the right value and the
three counts, the exit question and the farewell. What is said is checked against the screen,
read through the accessibility bus, and against counts worked out here. Prints what Orca said,
and how long each problem took to be heard after the Enter that asked for it.

Usage: play_by_ear.py BINARY SPOKEN (under X, with Orca running and SPOKEN its voice)
"""
import re
import subprocess
import sys
import time

import pyatspi

WAIT = 60  # seconds: a loaded machine may take long, the player polls and goes on at once
HEARD_OUT = 0.5  # seconds from the first word to the next key: a quick pupil who knows the verdict

# The question each title on show is asked with, as it sounds: the figure's points one by one,
# units in words, no brackets.
TITLES = {
    "Altezza VO": "Quanto misura l'altezza V O",
    "Raggio circonferenza inscritta OK": "Quanto misura il raggio della circonferenza inscritta O K",
    "Apotema VK": "Quanto misura l'apotema V K",
    "Superficie laterale": "Quanto misura la superficie laterale",
    "Superficie totale": "Quanto misura la superficie totale",
    "Volume": "Quanto misura il volume",
    "Superficie di base": "Quanto misura la superficie di base",
    "Spigolo VB (approssima all'unità)": "Quanto misura lo spigolo V B, approssimato all'unità",
    "La superficie di base misura cmq": "Quanto misura la superficie di base, in centimetri quadrati",
    "Spigolo AB": "Quanto misura lo spigolo A B",
    "Volume della piramide": "Quanto misura il volume della piramide",
}
# The measures on the drawing, known by their descriptions, and how each is said.
MEASURES = {
    "Altezza VO in centimetri": "altezza V O",
    "Raggio OK in centimetri": "raggio O K",
    "Apotema VK in centimetri": "apotema V K",
}
# The sentence that gives the extra datum, and how the datum is said.
SENTENCES = {
    "La superficie di base misura cmq": "superficie di base {} centimetri quadrati",
    "L'area della superficie di base è cmq": "superficie di base {} centimetri quadrati",
    "Il perimetro di base misura cm": "perimetro di base {} centimetri",
    "Il lato AB misura cm": "lato A B {} centimetri",
    "Il volume della piramide è di cmc": "volume {} centimetri cubi",
    "La superficie laterale misura cmq": "superficie laterale {} centimetri quadrati",
    "La superficie totale misura cmq": "superficie totale {} centimetri quadrati",
    "Il volume del solido è cmc": "volume {} centimetri cubi",
}

PROBLEM = re.compile(r"([^.]+)\? Dati ([^.]+)\.")
VERDICT = re.compile(r"(Esatto, OK!|Sbagliato! La risposta giusta è (\d+)\.) "
                     r"Risposte esatte (\d+), errate (\d+), totali (\d+)\.")

failures = []
delays = []


class Failed(Exception):
    pass


def expect(condition, complaint):
    if not condition:
        failures.append(complaint)


class Ear:
    """What Orca has said so far, as speech-dispatcher's voice wrote it: one line per piece
    of speech, the time it was said and the text."""

    def __init__(self, path):
        self.path = path
        self.heard = 0  # characters of the joined speech the checks have gone past

    def said(self):
        # speech-dispatcher 0.12's generic module at times hands a key's echo over as bytes of
        # no text; that piece is nothing the checks listen for.
        with open(self.path, encoding="utf-8", errors="replace") as voice:
            lines = [line.rstrip("\n").split("\t", 1) for line in voice if "\t" in line]
        # The voice gets a long utterance in pieces, cut after a full stop.
        return [(float(when), text.strip()) for when, text in lines if text.strip()]

    def joined(self):
        pieces, starts, text = self.said(), [], ""
        for when, piece in pieces:
            text += " " if text else ""
            starts.append((len(text), when))
            text += piece
        return text, starts

    def wait_for(self, what, pattern):
        """The first match of pattern in what is said from now on, and when its first piece
        was said; what comes before it is passed over."""
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            text, starts = self.joined()
            found = re.compile(pattern).search(text, self.heard)
            if found:
                self.heard = found.end()
                when = max(w for start, w in starts if start <= found.start())
                return found, when
            time.sleep(0.05)
        raise Failed(f"Orca did not say {what} within {WAIT} s")


def press(*keys):
    subprocess.run(["xdotool", *keys], check=True, timeout=30)


def press_and_hear(ear, *steps):
    """Each key of the steps pressed once Orca has said what the key before it brought."""
    for key, what, pattern in steps:
        press("key", key)
        ear.wait_for(what, pattern)


def the_game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next(app for app in desktop if app is not None and app.name == "vorlane")


def labels_on_show():
    """(text, description) of every label the pupil can see, read through the bus."""
    labels = pyatspi.findAllDescendants(
        the_game(), lambda o: o.getRole() == pyatspi.ROLE_LABEL and
        o.getState().contains(pyatspi.STATE_SHOWING))
    return [(label.name, label.description) for label in labels]


def for_the_ear(said):
    """Nothing Orca would read aloud at its default punctuation level: a colon, a bracket, a
    dot between words; no point of the figure said as a word."""
    expect(not re.search(r"[^\w\s.,!?']", said), f"punctuation read aloud in {said!r}")
    expect(not re.search(r"\.\S", said), f"a dot between words in {said!r}")
    expect(not re.search(r"\b(?!OK!)[A-Z]{2,}\b", said), f"letters said as a word in {said!r}")


def hear_out(said_at):
    """A listener presses the next key as soon as a problem or verdict has begun to make sense;
    the file voice says it at once."""
    time.sleep(max(0.0, said_at + HEARD_OUT - time.time()))


def hear_problem(ear, asked_at=None):
    """The next problem Orca says, checked against the screen; whether it gives an extra datum."""
    found, when = ear.wait_for("a problem", PROBLEM)
    if asked_at is not None:
        delays.append(when - asked_at)
    title, data = found.group(1).strip(), found.group(2)
    for_the_ear(found.group(0))
    labels = labels_on_show()
    titles = [TITLES[text] for text, _ in labels if text in TITLES]
    expect(title in titles, f"the title {title!r} is not on show: {titles}")
    given = [f"{MEASURES[description]} {text} centimetri"
             for text, description in labels if description in MEASURES]
    # A sentence ends in a blank, which tells it from the title with the same words.
    sentences = [text.rstrip() for text, _ in labels
                 if text.endswith(" ") and text.rstrip() in SENTENCES]
    extra = [text for text, description in labels if text.isdigit() and not description]
    expect(len(sentences) == len(extra) <= 1, f"the extra datum on show: {sentences} {extra}")
    if sentences and extra:
        given.append(SENTENCES[sentences[0]].format(extra[0]))
    expect(len(given) == 2, f"the data on show are {given}")
    for datum in given:
        expect(datum in data, f"{datum!r} is on show, Orca said {data!r}")
    expect(data.count("centimetri") == len(given), f"more said than on show: {data!r}")
    hear_out(when)
    return bool(extra)


def hear_verdict(ear, right, wrong):
    """The next verdict Orca says, with the counts worked out by the player; the right value."""
    found, when = ear.wait_for("a verdict", VERDICT)
    for_the_ear(found.group(0))
    counts = tuple(int(found.group(i)) for i in (3, 4, 5))
    expect(counts == (right, wrong, right + wrong),
           f"Orca gave the counts {counts}, not {(right, wrong, right + wrong)}")
    shown = [text for text, _ in labels_on_show() if text.startswith(("Esatto", "Sbagliato"))]
    value = found.group(2)
    on_show = "Esatto.OK!!!" if value is None else f"Sbagliato!! {value}"
    expect(shown == [on_show], f"Orca said {found.group(1)!r}, the screen shows {shown}")
    hear_out(when)
    return value


def play(binary, ear):
    ear.wait_for("that it is running", r"\S")
    game = subprocess.Popen([binary])
    try:
        kinds = {hear_problem(ear)}
        right, wrong, problems = 0, 0, 1
        while True:
            # A wrong answer tells the right value: back to the same problem, which is told
            # again, and that value is the right answer. Every other problem stays wrong.
            press("type", "0")
            press("key", "Return")
            wrong += 1
            value = hear_verdict(ear, right, wrong)
            expect(value is not None, "0 was judged right")
            if problems % 2 == 1 and value is not None:
                press("key", "Tab")
                hear_problem(ear)
                press("type", value)
                press("key", "Return")
                right += 1
                expect(hear_verdict(ear, right, wrong) is None, f"{value} was judged wrong")
            if problems >= 4 and len(kinds) == 2:
                break
            expect(problems < 20, "20 problems, and never one with an extra datum and one without")
            if problems >= 20:
                break
            asked_at = time.time()
            press("key", "Return")
            kinds.add(hear_problem(ear, asked_at))
            problems += 1

        # "Nuovo gioco" chosen as a blind pupil does: Alt takes the keyboard to the first title,
        # each Right moves to the next one, heard before the next key; Enter runs it.
        press_and_hear(ear, ("alt", "the first title", r"3b\.example\."),
                       ("Right", "the second title", r"La 3a B"),
                       ("Right", "the third title", r"autori@3b\.example"),
                       ("Right", "the title Nuovo gioco", r"Nuovo gioco"))
        asked_at = time.time()
        press("key", "Return")
        hear_problem(ear, asked_at)
        press("type", "0")
        press("key", "Return")
        hear_verdict(ear, 0, 1)

        # No is the default: Return keeps the game, back on the button that holds the verdict;
        # Tab goes to Yes.
        press_and_hear(ear, ("alt+x", "the exit question", r"Vuoi veramente lasciarmi"),
                       ("Return", "the verdict again", r"errate 1, totali 1\."),
                       ("alt+x", "the exit question again", r"Vuoi veramente lasciarmi"),
                       ("Tab", "the Yes button", r"Sì"),
                       ("Return", "the farewell", r"Ciao a presto"))
        press("key", "Return")
        expect(game.wait(timeout=WAIT) == 0, f"the game ended with {game.returncode}")
    except (Failed, subprocess.SubprocessError) as failure:
        failures.append(str(failure))
    finally:
        game.kill()


def main():
    ear = Ear(sys.argv[2])
    play(sys.argv[1], ear)
    print("What Orca said:")
    for _, text in ear.said():
        print(f"  {text}")
    print("Seconds from the Enter or menu choice that asks for a problem to its title being said: " +
          ", ".join(f"{delay:.2f}" for delay in delays))
    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print("every problem and every verdict heard from Orca")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
