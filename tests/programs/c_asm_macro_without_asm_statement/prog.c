int main(void)
{
  int x;
#asm R1;
  R1 = x;
}
