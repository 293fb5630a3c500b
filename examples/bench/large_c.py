#!/usr/bin/env python3
"""Writes a C program of about 10,000 lines that checks itself, for timing the C front end and for
building past the reach of the relative branches and calls:
    python3 examples/bench/large_c.py > /tmp/large.c
    build/tavrel -N 16 -M 24 -L 16 -X 16 -run /tmp/large.c
main calls each of the 480 functions and compares its result with the value worked out here; a
wrong one makes it execute IEM, so -run ends with status 1."""

from self_check import print_fail_function, print_main

FUNCTIONS = 480
LIMIT = 100
TABLE = [1, 2, 3, 4, 5, 6, 7, 8]


def expected(a, b):
    """What each function computes, as C does at 16 bits (its values stay far from the limits)."""
    s = 0
    for i in range(LIMIT):
        s += TABLE[i & 7]
        s = s - b if s > a else s + (a << 1)
    while s > 10:
        s -= 3
    # A case leaves the switch at its end: no fall-through.
    if s == 1:
        s = 2
    elif s == 2:
        s, a = 3, b
    else:
        s = 4
    return s + a


def arguments(n):
    return n % 40 + 1, n % 5 + 1


print(f"#define LIMIT {LIMIT}")
print("int table[8] = {" + ", ".join(map(str, TABLE)) + "};")
print_fail_function()
for n in range(FUNCTIONS):
    print(f"int f{n}(int a, int b)")
    print("{")
    print("  int i;")
    print("  int s = 0;")
    print("  for (i = 0; i < LIMIT; i++) {")
    print("    s += table[i & 7];")
    print("    if (s > a)")
    print("      s = s - b;")
    print("    else")
    print("      s = s + (a << 1);")
    print("  }")
    print("  while (s > 10) {")
    print("    s -= 3;")
    print("  }")
    print("  switch (s) {")
    print("    case 1: s = 2;")
    print("    case 2: { s = 3; a = b; }")
    print("    default: s = 4;")
    print("  }")
    print("  return s + a;")
    print("}")
checks = []
for n in range(FUNCTIONS):
    a, b = arguments(n)
    checks.append(f"  if (f{n}({a}, {b}) != {expected(a, b)}) failures++;")
print_main(checks)
