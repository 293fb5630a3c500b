/* The everyday C the compiler reads beyond its first subset: // comments, character, binary and
   suffixed constants, hexadecimal and octal macros, ! ~ and prefix ++ --, * / % and every
   compound assignment, ?: and the comma, casts and sizeof, break and continue, several
   declarators in one declaration, enum, strings, arrays sized by their initialiser, typedef,
   static locals, const and volatile, declarations among statements and in for, switch cases
   of several statements with break (a case never runs on into the next), prototypes, array
   parameters, an int stored into a char. Each result
   is compared with the value worked out by hand; a mismatch counts, and the count, if not zero,
   is reported by fail (IEM, from tavrel.h), so -run ends with status 1.
   Run: build/tavrel -N 8 -L 8 -run examples/everyday_c.c  (or -N 12, -N 16) */
#include <tavrel.h>

#define MASK 0xF0   // a hexadecimal macro
#define EIGHT 010   // octal, as in code
#define BITS 0b101u
#define UMAX _TAVREL_UINT_MAX

enum state { IDLE, RUNNING = 4, STOPPED };
typedef unsigned int word;
typedef int *cursor_type;

int failures;
char banner[] = "OK\n";
int primes[] = {2, 3, 5, 7, 11};
int counts[4] = {9};
unsigned int flags, spare = 7;
int table[6] = {3, -1, 4, 0, 5, 9};
cursor_type cursor;
const int limit = 3;
volatile word ticks;

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

int length(char *s)
{
  int n = 0;
  while (*s++ != 0)
    n++;
  return n;
}

void arithmetic(void)
{
  int x = 7, y = -3;
  unsigned int u = 200u;
  check(-(x + u) < 1, 0);  // x + u is unsigned, and so is its negation
  check((x - u) << 1 < 0, 0);
  check(x * y, -21);
  check(x / y, -2);
  check(x % y, 1);
  check(-x % 3, -1);
  check(u / 7, 28);
  check(u % 7, 4);
  check(x / 0, -1);
  check(x % 0, 7);
  x *= 3;
  check(x, 21);
  x /= 4;
  check(x, 5);
  x %= 3;
  check(x, 2);
  check(x * 8, 16);
}

void expressions(void)
{
  int x = 5, y;
  enum state s = RUNNING;
  check(x > 3 ? 10 : 20, 10);
  check(x < 3 ? 10 : x == 5 ? 30 : 40, 30);
  y = (x++, x + 1);
  check(y, 7);
  check((unsigned int)-1 == UMAX, 1);
  check((char)x, 6);
  check(+x, 6);
  check(sizeof x, 1);
  check(sizeof primes, 5);
  check(sizeof(int *), 1);
  check(s, 4);
  check(STOPPED, 5);
  check(IDLE, 0);
}

void arrays_and_strings(void)
{
  check(sizeof banner, 4);
  check(banner[0], 'O');
  check(banner[2], '\n');
  check(length(banner), 3);
  check(length("hello" ", world"), 12);
  check(primes[4], 11);
  check(counts[0] + counts[1] + counts[3], 9);
}

int sum_of(const int values[], int count);  // defined after main

int next_ticket()
{
  static int issued = 10;  // kept from call to call
  return issued++;
}

int classify(int c)
{
  int kind = 0;
  switch (c) {
    case ' ':
      kind = 1;
      break;
    case '0':
      kind = 2;
      if (c == '0')
        break;
      kind = 99;
    case 'x':
      kind = 3;
      kind *= 2;
    default:
      kind += 10;
  }
  return kind;
}

void declarations(void)
{
  word total = 0;
  check(next_ticket(), 10);
  int second = next_ticket();  // a declaration after statements
  check(second, 11);
  for (int i = 0; i < limit; i++)
    total += table[i];
  check(total, 6);
  typedef char letter;
  letter first = 'a', *last = &first;
  check(*last, 'a');
  check(classify(' '), 1);
  check(classify('0'), 2);
  check(classify('x'), 6);
  check(classify('?'), 10);
  ticks = 2;
  ticks += ticks;
  check(ticks, 4);
  check(sum_of(primes, 4), 17);
  letter code = sum_of(table, 3) + 'a';  // an int stored into a char
  check(code, 'g');
}

int main(void)
{
  cursor = table + 2;
  check(*cursor + spare, 11);
  literals();
  prefix_operators();
  bitwise_assignments();
  loops();
  arithmetic();
  expressions();
  arrays_and_strings();
  declarations();
  if (failures != 0)
    fail(failures);
}

int sum_of(const int values[], int count)
{
  int total = 0;
  while (count-- > 0)
    total += values[count];
  return total;
}
