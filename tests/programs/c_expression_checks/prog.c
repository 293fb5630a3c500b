/* Writability, conditions, address assignments and calls. */
int no_parameters(void)
{
  return 1;
}

int one_parameter(int a)
{
  return a;
}

void takes_char_pointer(char *text)
{
}

int main(void)
{
  char c;
  int x;
  int y;
  int *p;
  3 = c;
  no_parameters() = 1;
  x++ ++;
  (x + 1)--;
  if (p) x = 1;
  p = &x;
  y = &x;
  one_parameter(1, 2);
  one_parameter();
  no_parameters();
  takes_char_pointer(p);
  nowhere(x);
  exit(0);
  asm_ROL(x);
  return 0;
}
