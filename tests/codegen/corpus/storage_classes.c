/* Storage classes and qualifiers: a static local lives as a global does,
   initialised once at the start and keeping its value between calls; a static
   global is a global; extern declarations stand for a definition made
   elsewhere (later in the file here); const objects are read as any other;
   volatile, register and auto change nothing. Every check compares with a
   value worked out by hand: out[0] counts the failed checks, out[1] holds the
   number of the first one. */
int out[2] = {0, 0};
extern int later;
extern int later_table[];
static int file_static = 7;
const int limit = 5;
const int steps[3] = {1, 2, 4};
volatile unsigned int flags = 3;

void check(int number, int got, int expected)
{
  if (got != expected) {
    if (out[0] == 0)
      out[1] = number;
    out[0]++;
  }
}

/* The count goes on from call to call; the automatic local starts again. */
int counter(void)
{
  static int count = 10;
  int fresh = 0;
  fresh++;
  count += fresh;
  return count;
}

int history(int v)
{
  static int last[2] = {0, 0};
  int previous = last[0];
  last[0] = last[1];
  last[1] = v;
  return previous;
}

int scaled(const int k, register int add)
{
  auto int sum = k + add;
  register unsigned int u = sum;
  const char small = 'b';
  return u + small - 'a';
}

int sum_steps(const int *values, int count)
{
  int total = 0;
  for (int i = 0; i < count; i++)
    total += values[i];
  return total;
}

void externs(void)
{
  extern int later;
  check(1, later, 12);
  later = later + 1;
  check(2, later_table[1], 6);
  later_table[0] = later;
}

int main(void)
{
  check(3, counter(), 11);
  check(4, counter(), 12);
  check(5, counter(), 13);
  check(6, history(4), 0);
  check(7, history(5), 0);
  check(8, history(6), 4);
  check(9, history(7), 5);
  check(10, scaled(3, 4), 8);
  check(11, file_static + limit, 12);
  check(12, sum_steps(steps, 3), 7);
  flags |= 4;
  check(13, flags, 7);
  externs();
  check(14, later, 13);
  check(15, later_table[0], 13);
  static int once = 2;
  once++;
  check(16, once, 3);
}

int later = 12;
int later_table[2] = {5, 6};
