#!/usr/bin/env python3
"""Writes a C program of nested loops over a global array, with shifts, comparisons and a call
in the innermost loop, for timing compiled code (about 40 million instructions at -N 16):
    python3 examples/bench/c_loops.py > /tmp/c_loops.c
    build/tavrel -verbose -N 16 -run /tmp/c_loops.c
The program checks its result against the value worked out here; the call to fail() is never
reached on a correct run (its line is printed with --fail-line, for a breakpoint)."""

import sys

SIZE = 32
ROUNDS = 3600
INNER = 4


def wrap(value):
    """An int of 16 bits, as the processor holds it."""
    value &= 0xFFFF
    return value - 0x10000 if value & 0x8000 else value


def mix(a, b):
    if a > b:
        return wrap((a << 1) ^ b)
    return wrap(((b & 0xFFFF) >> 3) + a)  # >> shifts in zeros, even for an int


def expected_total():
    data = [wrap((i << 3) + 5) for i in range(SIZE)]
    total = 0
    for _ in range(ROUNDS):
        for i in range(SIZE):
            for j in range(INNER):
                total = mix(data[i], wrap(total + j))
                data[i] = wrap(data[i] + (total & 15)) & 1023
    return total


def program():
    return f"""/* Nested loops over a global array, checked against the total worked out by the generator. */
#define SIZE {SIZE}
#define ROUNDS {ROUNDS}
#define INNER {INNER}

int data[SIZE];
int total;

void fail(int value)
{{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}}

int mix(int a, int b)
{{
  if (a > b)
    return (a << 1) ^ b;
  return (b >> 3) + a;
}}

int main(void)
{{
  int i;
  int j;
  int k;
  for (i = 0; i < SIZE; i++)
    data[i] = (i << 3) + 5;
  total = 0;
  for (k = 0; k < ROUNDS; k++)
    for (i = 0; i < SIZE; i++)
      for (j = 0; j < INNER; j++) {{
        total = mix(data[i], total + j);
        data[i] = (data[i] + (total & 15)) & 1023;
      }}
  if (total != {expected_total()})
    fail(total);
}}
"""


if __name__ == "__main__":
    text = program()
    if sys.argv[1:] == ["--fail-line"]:
        print(next(n for n, line in enumerate(text.splitlines(), 1) if "fail(total);" in line))
    else:
        sys.stdout.write(text)
