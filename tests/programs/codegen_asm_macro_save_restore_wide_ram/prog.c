/* Sixteen 8-bit registers, 10-bit RAM addresses: R3:R2 address the RAM, R6 is the extra
   temporary; a R13, b R12. The arrays take RAM 0 to 299, so the three-word save area
   starts at 300 (R3 = 1, R2 = 44). a is an output held in the listed R13, so R13 is
   neither saved nor restored; R7 and R8 are. */
int low[200];
int high[100];
int main(void)
{
  int a;
  int b;
#asm R7, R8, R13;
  R7 = b;
  R8 = 3;
  asm( ADD R7,R8 );
  a = R7;
#endasm
  low[0] = a;
  high[99] = b;
  if (a) b = 0;
}
