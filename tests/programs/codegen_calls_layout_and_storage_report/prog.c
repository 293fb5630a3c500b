/* Eight 8-bit registers: parameters are placed first (add's p takes R6), then the global;
   no register is left for temporary #2 and everything else goes to RAM. A void function
   prints no result line. main is followed by a jump past the function bodies; a call's
   value that feeds an operator is copied into a temporary first. */
int g;
int twice(int v)
{
  return v + v;
}
void reset(void)
{
  g = 0;
}
int add(int p, int q)
{
  return p + q;
}
int main(void)
{
  int r;
  r = add(r, 5);
  r = twice(1) + 3;
  reset();
  if (r) g = r;
}
