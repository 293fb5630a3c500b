#!/usr/bin/env python3
"""Writes a C program of about 5,000 lines that checks itself: many functions whose loops have
long bodies of `&&` and `||` conditions, some with an operand longer than a short branch reaches.
    python3 examples/bench/logic_c.py > /tmp/logic.c
    build/tavrel -N 16 -M 24 -L 16 -X 16 -run /tmp/logic.c
main compares each function's result with the value worked out here; a wrong one makes it
execute IEM, so -run ends with status 1."""
import random

from self_check import print_fail_function, print_main

FUNCTIONS = 76
STATEMENTS = 60
TURNS = 3
rng = random.Random(5000)


def word(v):
    """A 16-bit int: C's arithmetic at the machine's width."""
    return ((v + 0x8000) & 0xFFFF) - 0x8000


def statement():
    """One statement as C text, and what it does to the state (x, y, t, i) -> t."""
    c1, c2, c3, c4 = (rng.randint(0, 60) for _ in range(4))
    kind = rng.randrange(5)
    if kind == 0:
        return (f"    if (x > {c1} && y < {c2}) t = t + {c3};",
                lambda x, y, t, i: word(t + c3) if x > c1 and y < c2 else t)
    if kind == 1:
        m = rng.choice([1, 3, 7])
        v = rng.randint(0, m)
        return (f"    if ((t & {m}) == {v} || x == {c1}) t = t ^ {c2}; else t = t - {c3};",
                lambda x, y, t, i: word(t ^ c2) if (t & m) == v or x == c1 else word(t - c3))
    if kind == 2:
        return (f"    t = t + (x << 2) - y;", lambda x, y, t, i: word(word(t + word(x << 2)) - y))
    if kind == 3:
        terms = rng.randint(9, 15)
        sum_text = " + ".join(["x", "y", "t"] * (terms // 3))
        count = terms // 3
        return (f"    if (t == {c1} || ({sum_text}) > {c2 * 40}) t = t + 1;",
                lambda x, y, t, i: word(t + 1)
                if t == c1 or word(count * (x + y + t)) > c2 * 40 else t)
    return (f"    t = t | (i & {c4 & 3});", lambda x, y, t, i: t | (i & (c4 & 3)))


def function(n):
    body = [statement() for _ in range(STATEMENTS)]
    text = [f"int g{n}(int x, int y)", "{", "  int i;", "  int t = 0;",
            f"  for (i = 0; i < {TURNS}; i++) {{"]
    text += [line for line, _ in body]
    text += ["  }", "  return t;", "}"]

    def model(x, y):
        t = 0
        for i in range(TURNS):
            for _, effect in body:
                t = effect(x, y, t, i)
        return t
    return text, model


print_fail_function()
checks = []
for n in range(FUNCTIONS):
    text, model = function(n)
    print("\n".join(text))
    x, y = rng.randint(0, 60), rng.randint(0, 60)
    checks.append(f"  if (g{n}({x}, {y}) != {model(x, y)}) failures++;")
print_main(checks)
