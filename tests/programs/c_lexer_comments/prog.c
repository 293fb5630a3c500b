int main(void)
{
  int a;
  int b;
  a = 1; /* a /* b */
  b = a//b;
}
