void nothing(void)
{
}

int main(void)
{
  int x;
  x = 1 + nothing();
  return 0;
}
