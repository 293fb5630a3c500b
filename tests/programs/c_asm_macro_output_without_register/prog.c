int main(void)
{
  int y;
#asm R1;
  asm( NOP );
  y
}
