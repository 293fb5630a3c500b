/* Loops that declare their variables in their first clause: the declaration
   runs once before the loop, its names belong to the loop alone, and a loop
   reached again declares them afresh. Every check compares with a value
   worked out by hand: out[0] counts the failed checks, out[1] holds the number
   of the first one. */
int out[2] = {0, 0};
int table[5] = {4, 9, -2, 7, 1};
int calls = 0;

void check(int number, int got, int expected)
{
  if (got != expected) {
    if (out[0] == 0)
      out[1] = number;
    out[0]++;
  }
}

int first_index(void)
{
  calls++;
  return 1;
}

int sum_of(int *values, int count)
{
  int sum = 0;
  for (int i = 0; i < count; i++)
    sum += values[i];
  return sum;
}

void declared_once(void)
{
  int runs = 0;
  for (int n = first_index(); n < 4; n++)
    runs++;
  check(1, runs, 3);
  check(2, calls, 1);
  int steps = 0;
  for (int i = 0, j = 5; i < j; i++) {
    j--;
    steps++;
  }
  check(3, steps, 3);
}

void names_of_the_loop(void)
{
  int i = 100, total = 0, count = 0;
  for (int i = 0; i < 3; i++)
    total += i;
  check(4, i, 100);
  check(5, total, 3);
  for (int i = 0; i < 3; i++)
    for (int i = 10; i < 12; i++)
      count++;
  check(6, count, 6);
  for (int k = 0; k < 4; k++)
    for (int m = k; m < 4; m++)
      count++;
  check(7, count, 16);
}

void jumps(void)
{
  int sum = 0, z = 0;
  for (int k = 0; k < 10; k++) {
    if (k == 2)
      continue;
    if (k == 5)
      break;
    sum += k;
  }
  check(8, sum, 8);
  for (unsigned int u = 0;; u++) {
    if (u == 4)
      break;
    z = z + 2;
  }
  check(9, z, 8);
}

int main(void)
{
  check(10, sum_of(table, 5), 19);
  check(11, sum_of(table + 1, 3), 14);
  declared_once();
  names_of_the_loop();
  jumps();
}
