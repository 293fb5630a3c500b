/* Only what main reaches is checked, each function once: a recursive call finds its function
   live already, and a function nobody calls is never looked at. */
int countdown(int n)
{
  if (n == 0) return 0;
  return countdown(n - 1);
}

int never_called(void)
{
  return undefined_name;
}

void ready(void)
{
}

int main(void)
{
  countdown(3);
  ready();
  return 0;
}
