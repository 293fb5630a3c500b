#!/usr/bin/env python3
"""Writes a C program of about 10,000 lines for timing the C front end:
    python3 examples/bench/large_c.py > /tmp/large.c
    time build/tavrel -compile /tmp/large.c
Every function is reached from main, so the whole file is parsed and checked."""

FUNCTIONS = 480

print("#define LIMIT 100")
print("int table[8] = {1, 2, 3, 4, 5, 6, 7, 8};")
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
    callee = f"f{n - 1}(s, a)" if n > 0 else "s"
    print(f"  return {callee};")
    print("}")
print("int main(void)")
print("{")
print("  int r;")
print(f"  r = f{FUNCTIONS - 1}(1, 2);")
print("  return r;")
print("}")
