/* Sixteen 8-bit registers: a R13, n R12, x R11, y R10; temporaries R15 and R14.
   x = y = 3 stores the constant twice; -128 into R10 is a cleared register with bit 7 set,
   as LDIL reaches only R0 to R7. a++ alone is only the increment. A variable shift count
   runs a loop on a copy of the count; (a + n) + (a + y) needs a third temporary, which is
   a RAM word (RAM used: 1). */
int main(void)
{
  int a;
  int n;
  int x;
  int y;
  x = y = 3;
  y = -128;
  a++;
  x = a++;
  x = a << 2;
  x = a >> n;
  a <<= n;
  x = (a + n) + (a + y);
  if (x) a = 1;
}
