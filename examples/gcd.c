/* Greatest common divisor by repeated subtraction (there is no division). On a wrong result
   the #asm macro executes IEM, which reports the register as an error: -run then ends with
   status 1. Run with 16-bit registers: build/tavrel -N 16 -run examples/gcd.c */
int result;

int gcd(int a, int b)
{
  while (a != b)
    if (a > b)
      a -= b;
    else
      b -= a;
  return a;
}

int main(void)
{
  result = gcd(1071, 462);
  if (result != 21) {
#asm R6;
    R6 = result;
    asm( IEM R6 );
#endasm
  }
}
