/* The everyday C the compiler reads beyond its first subset: // comments, character, binary and
   suffixed constants, hexadecimal and octal macros, ! ~ and prefix ++ --, &= |= ^=, break and
   continue, several declarators in one declaration. Each result is compared with the value worked out by hand; a mismatch counts, and
   the count, if not zero, is reported by IEM, so -run ends with status 1.
   Run: build/tavrel -N 8 -run examples/everyday_c.c  (or -N 12, -N 16) */
#define MASK 0xF0   // a hexadecimal macro
#define EIGHT 010   // octal, as in code
#define BITS 0b101u
#define UMAX _TAVREL_UINT_MAX

int failures;
unsigned int flags, spare = 7;
int table[6] = {3, -1, 4, 0, 5, 9}, *cursor;

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

void literals(void)
{
  check('a', 97);
  check('\n', 10);
  check('\0', 0);
  check('\x41', 65);
  check('\'', 39);
  check('\\', 92);
  check('\101', 65);
  check(0b1010, 10);
  check(10u, 10);
  check(0x10L, 16);
  check(7UL, 7);
  check(MASK, 240);
  check(EIGHT, 8);
  check(BITS, 5);
  // check(1, 2); is a comment, never run
}

void prefix_operators(void)
{
  int i = 0, *p;
  unsigned int u;
  check(!0, 1);
  check(!table[3], 1);
  check(!table[0], 0);
  check(!!table[1], 1);
  check(~0, -1);
  check(~table[0], -4);
  check(~table[1], 0);
  u = 0;
  u = ~u;
  check(u == UMAX, 1);
  check(++i, 1);
  check(++i, 2);
  check(--i, 1);
  check(i--, 1);
  check(i, 0);
  p = table;
  ++p;
  check(*p, -1);
}

void bitwise_assignments(void)
{
  int i = 1;
  int a[3];
  a[0] = 12;
  a[1] = 10;
  a[2] = 6;
  flags = 0;
  flags |= 5;
  check(flags, 5);
  flags &= 4;
  check(flags, 4);
  flags ^= 6;
  check(flags, 2);
  a[i] |= 5;
  check(a[1], 15);
  a[i++] &= 9;
  check(a[1], 9);
  check(i, 2);
  check(a[2] ^= 3, 5);
  check(a[2], 5);
}

void loops(void)
{
  int i, j, sum = 0, found = -1;
  for (i = 0; i < 6; i++)
    if (table[i] == 0) {
      found = i;
      break;
    }
  check(found, 3);
  for (i = 0; i < 6; i++) {
    if (table[i] < 0)
      continue;
    sum += table[i];
  }
  check(sum, 21);
  i = 0;
  sum = 0;
  while (1) {
    if (++i > 10)
      break;
    if (i & 1)
      continue;
    sum += i;
  }
  check(sum, 30);
  i = 0;
  sum = 0;
  do {
    i++;
    if (i == 3)
      continue;
    if (i == 6)
      break;
    sum += i;
  } while (i < 100);
  check(sum, 12);
  sum = 0;
  for (i = 0; i < 4; i++)
    for (j = 0; j < 4; j++) {
      if (j > i)
        break;
      sum++;
    }
  check(sum, 10);
}

int main(void)
{
  cursor = table + 2;
  check(*cursor + spare, 11);
  literals();
  prefix_operators();
  bitwise_assignments();
  loops();
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}
