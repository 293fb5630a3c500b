/* The control flow firmware uses: switch (each case its own statements, as the compiler has no
   fall-through), nested loops with break and
   continue, goto, recursion, strings walked by pointer. */
int fib(int n)
{
  return n < 2 ? n : fib(n - 1) + fib(n - 2);
}

int classify(int c)
{
  switch (c) {
    case 'a':
      return 1;
    case 'e':
      return 1;
    case ' ':
      return 2;
    default:
      if (c >= '0' && c <= '9') return 3;
      break;
  }
  return 0;
}

int main(void)
{
  const char *text = "a 1e 9z";
  int counts[4] = {0, 0, 0, 0};
  int i, j, found = 0;
  for (; *text; text++) counts[classify(*text)]++;
  if (counts[0] != 1 || counts[1] != 2 || counts[2] != 2 || counts[3] != 2) return 1;
  if (fib(12) != 144) return 2;
  for (i = 0; i < 10; i++) {
    if (i % 2) continue;
    for (j = 0; j < 10; j++) {
      if (j > i) break;
      found += j;
    }
  }
  if (found != 0 + 3 + 10 + 21 + 36) return 3;
  i = 0;
again:
  if (++i < 5) goto again;
  if (i != 5) return 4;
  return 0;
}
