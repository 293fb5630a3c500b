/* Sixteen 8-bit registers: a R13, b R12, u R11, r R10. Ordered comparisons branch on S,
   on C as soon as one operand is unsigned; > and <= compare the right operand with the left.
   A relational value is 0 or 1; && and || skip with RB1/RB0 and never use the slots. */
int main(void)
{
  int a;
  int b;
  unsigned u;
  int r;
  if (a < b) r = 1;
  if (u < b) r = 2;
  if (a > b) r = 3;
  if (a >= u) r = 4;
  r = a <= b;
  r = a && b;
  r = a || b;
}
