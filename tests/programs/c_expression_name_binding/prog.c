/* A name is the innermost local, else a parameter, else a global of
   the file: only pointers are refused as conditions. */
int *shadowed;

int by_parameter(int *shadowed)
{
  while (shadowed) return 1;
  return 0;
}

int by_global(void)
{
  if (shadowed) return 1;
  return 0;
}

int main(void)
{
  int shadowed;
  undeclared = 1;
  if (shadowed) by_global();
  {
    int *shadowed;
    if (shadowed) by_parameter(0);
  }
  return 0;
}
