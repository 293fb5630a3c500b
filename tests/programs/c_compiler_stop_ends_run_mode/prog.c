void twice(int a)
{
  return a;
}
int main(void)
{
  twice(1);
  return 0;
}
