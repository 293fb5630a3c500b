/* 16-bit registers, 24-bit program counter: long jumps take three slots (R1, then R0 high
   and low), and a pooled constant's ROM address is formed in R5:R4 before LPM. */
int g;
int main(void)
{
  g = 100;
  while (g < 1000) g = g + 5;
  if (g != 1000) g = -100;
}
