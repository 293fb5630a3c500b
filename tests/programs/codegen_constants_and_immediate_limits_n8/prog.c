/* Eight 8-bit registers: g gets R6 (R7 is temporary #1), the local a goes to RAM.
   With 8-bit registers no constant needs the pool, so there is no jump over one.
   The additions, subtractions and comparisons sit on both sides of the 7-bit immediate
   limits. */
int g;
int main(void)
{
  int a;
  g = -128;
  g = -5;
  g = 0;
  a = 100;
  a = -128;
  g = g - 64;
  g = g - 65;
  g = g - 0;
  g = 63 + g;
  g = 64 + g;
  if (g < 63) a = 1;
  if (g < 64) a = 2;
  if (g == -64) a = 3;
  if (g != -65) a = 4;
}
