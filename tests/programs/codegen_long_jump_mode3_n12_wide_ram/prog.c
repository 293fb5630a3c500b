/* 12-bit registers, 16-bit program counter: long jumps take three slots (R1, then R0 high
   and low). RAM addresses of 16 bits need R3:R2, so R6 is the extra temporary and only R7
   is left: it is temporary #1 and every variable goes to RAM. x sits at 4100 (R3 = 1).
   Array sizes take no pool word; high's address, 4000 (-96 in 12 bits), is pooled since
   an array's address may be used as a value. */
int low[4000];
int high[100];
int x;
int main(void)
{
  int n;
  n = 3;
  do n = n - 1; while (n);
  if (x < n) x = 1; else high[0] = 2;
  low[0] = x;
}
