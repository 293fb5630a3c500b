int main(void)
{
  return 0;
}
*twice(void) { return 2; }
