#define SIZE 12
int main(void)
{
  int x;
  int y;
  x = 5;
#asm R1, R2, r1, Rx-1, R9;
  R1 = x;
  R2;
  asm( ADD R1,R2
       LDIL R2,#SIZE );
  y = R1;
#endasm
}
