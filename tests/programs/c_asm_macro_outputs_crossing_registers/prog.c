int low;
int high;
int main(void)
{
#asm R9, R10;
  R9 = 1;
  R10 = 2;
  asm( NOP );
  low = R9;
  high = R10;
#endasm
}
/* With 12 registers low lives in R10 and high in R9: storing low = R9 first would overwrite
   R10 before high reads it, so R10 is kept in RAM first. At the end high (R9) holds 2 and
   low (R10) holds 1. */
