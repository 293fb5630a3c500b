/* Locals declared where C99 puts them: after statements, initialised from any
   expression, which sees the parameters and the locals declared before it, and
   initialised again each time the declaration is reached. Every check compares
   with a value worked out by hand: out[0] counts the failed checks, out[1]
   holds the number of the first one. */
int out[2] = {0, 0};
int table[4] = {5, -3, 8, 1};
int calls = 0;

void check(int number, int got, int expected)
{
  if (got != expected) {
    if (out[0] == 0)
      out[1] = number;
    out[0]++;
  }
}

int twice(int v)
{
  calls++;
  return v + v;
}

/* k + 3, doubled, plus k: 3k + 6; then less k + 3: 2k + 3. */
int from_parameters(int k)
{
  int base = k + 3;
  int doubled = twice(base) + k;
  check(1, doubled, k + k + k + 6);
  calls = calls + 10;
  int after = doubled - base;
  check(2, calls, 11);
  return after;
}

void chained_declarators(void)
{
  int a = 1, b = a + 1, c = b + a + table[2];
  check(3, c, 11);
  unsigned int u = c;
  char small = 'a' + 2;
  check(4, small, 99);
  u = u + 1;
  int *p = table + 1;
  check(5, *p, -3);
  int sum = *p + p[2] + u;
  check(6, sum, 10);
}

/* Each pass through the body initialises fresh again. */
void each_time_reached(void)
{
  int i = 0, total = 0;
  while (i < 4) {
    total = total + i;
    int fresh = i + 10;
    fresh++;
    check(7, fresh, i + 11);
    int seen = total;
    total = seen + fresh;
    i++;
  }
  check(8, total, 56);
}

/* An inner block sees the outer x until it declares its own. */
void inner_blocks(void)
{
  int x = 5;
  {
    int y = x + 1;
    check(9, y, 6);
    x = x + 1;
    int x = y + 10;
    check(10, x, 16);
  }
  check(11, x, 6);
  int w = twice(twice(x));
  check(12, w, 24);
}

int main(void)
{
  calls = 0;
  check(13, from_parameters(4), 11);
  chained_declarators();
  each_time_reached();
  inner_blocks();
  int done = out[0];
  check(14, done, 0);
}
