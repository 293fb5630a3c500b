/* Multiplication by shift and add, division by shift and subtract, written out in C (the
   compiler's * / % do the same in routines). The numbers are unsigned, so that 62500 (above
   the largest 16-bit int) compares right. Each result is checked against the value worked out
   by hand; a mismatch runs IEM. Run with 16-bit registers: build/tavrel -N 16 -run examples/multiply_divide.c */
unsigned int product;
unsigned int square;
unsigned int quotient;
unsigned int remainder;

/* a * b: a shifted left is added once for each 1 bit of b. */
unsigned int multiply(unsigned int a, unsigned int b)
{
  unsigned int sum;
  sum = 0;
  while (b != 0) {
    if ((b & 1) != 0)
      sum += a;
    a <<= 1;
    b >>= 1;
  }
  return sum;
}

/* a / b for b above 0, one quotient bit per turn from the highest; the rest goes to remainder. */
unsigned int divide(unsigned int a, unsigned int b)
{
  unsigned int bit;
  unsigned int q;
  bit = 1;
  while (b < a && (b & 32768) == 0) {
    b <<= 1;
    bit <<= 1;
  }
  q = 0;
  while (bit != 0) {
    if (a >= b) {
      a -= b;
      q += bit;
    }
    b >>= 1;
    bit >>= 1;
  }
  remainder = a;
  return q;
}

void fail(unsigned int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

int main(void)
{
  product = multiply(123, 45);
  if (product != 5535)
    fail(product);
  if (divide(product, 45) != 123)
    fail(remainder);
  if (remainder != 0)
    fail(remainder);
  square = multiply(250, 250);
  if (square != 62500)
    fail(square);
  quotient = divide(square, 7);
  if (quotient != 8928)
    fail(quotient);
  if (remainder != 4)
    fail(remainder);
}
