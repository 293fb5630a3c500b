/* The other file: the definitions. */
int total = 0;
int table[2] = {0, 0};

int next(void)
{
  static int calls = 0;
  calls++;
  total += calls;
  table[calls - 1] = calls;
  return calls;
}
