#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Keyvora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus of fuzz_engine: a few learner sessions spelt in the byte format the
harness reads. FuzzedDataProvider takes integers from the end of the input, so each session
is written as the reversed stream of the values the harness consumes, most significant first."""

import pathlib

ALPHABET = "ab *\t\r\n\0é"
KEY, BACKSPACING, CURSOR, EDIT, LOAD, RESET, WORD_TICK, CLOCK_TICKS = 0, 2, 3, 4, 5, 6, 7, 8


class Session:
    def __init__(self):
        self.stream = bytearray()

    def op(self, code, *values):
        self.stream.append(code)
        for value, width in values:
            self.stream += value.to_bytes(width, "big")
        return self

    def text(self, text):
        self.stream += bytes([0, len(text)])
        self.stream += bytes(ALPHABET.index(c) for c in text)

    def key(self, char):  # a key with this code, not taken from the practice text
        return self.op(KEY, (0, 1), (ord(char), 2))

    def keys(self, chars):
        for char in chars:
            self.key(char)
        return self

    def expected(self, count):  # keys the practice text asks for next
        for _ in range(count):
            self.op(KEY, (1, 1))
        return self

    def load(self, text):
        self.op(LOAD)
        self.text(text)
        return self

    def edit(self, start, count, text):
        self.op(EDIT, (start, 2), (count, 1))
        self.text(text)
        return self

    def ticks(self, count):
        return self.op(CLOCK_TICKS, (count - 1, 2))

    def bytes(self):
        return bytes(reversed(self.stream))


SESSIONS = {
    "type-to-the-end": Session().load("ab ab").expected(2).op(WORD_TICK).ticks(30).expected(3),
    "mistakes-corrected": Session().load("abba").keys("ax\b").op(WORD_TICK).expected(3).ticks(5),
    "backspacing-off": Session().op(BACKSPACING, (1, 1)).load("ab\tb\r\n").keys("b\bab").op(WORD_TICK),
    "wrong-last-character": Session().load("ab").keys("aa").ticks(700),
    "lone-carriage-return": Session().load("a\rb").expected(1).load("a\rb").keys("a"),
    "paste-onto-the-end": Session().load("abab").edit(0, 0, "abab").op(WORD_TICK),
    "reset-while-typing": Session().load("ab").expected(1).op(WORD_TICK).op(RESET).keys("ab").op(WORD_TICK),
    "edit-in-the-middle": Session().load("aaaab").expected(3).op(CURSOR, (1, 2)).key("b").ticks(10),
    "empty-load-keeps-input": Session().load("ab").expected(1).load("").op(WORD_TICK).ticks(3),
    "only-breaks": Session().load(" \r\n \r\n").keys("a \r").op(WORD_TICK),
    "linux-lines": Session().load("ab\nab\n").expected(5).op(WORD_TICK),
}

if __name__ == "__main__":
    folder = pathlib.Path(__file__).parent / "corpus" / "engine"
    folder.mkdir(parents=True, exist_ok=True)
    for name, session in SESSIONS.items():
        (folder / name).write_bytes(session.bytes())
