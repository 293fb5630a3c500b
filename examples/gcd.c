/* Greatest common divisor by repeated subtraction. On a wrong result fail (from tavrel.h)
   executes IEM, which reports the value as an error: -run then ends with status 1.
   Run with 16-bit registers: build/tavrel -N 16 -run examples/gcd.c */
#include <tavrel.h>

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
  if (result != 21)
    fail(result);
}
