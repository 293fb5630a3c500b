/* 16-bit registers, 16-bit program counter: one long-jump register (R0), R1 is the extra
   temporary. Values outside -64..63 live in the pool (read with LPM); 5 and 300 as
   addresses or small values are loaded with EOR/LDIL and LDIL/LDIH. x sits at RAM 300. */
int big[300];
int x;
int main(void)
{
  int *p;
  int n;
  big[0] = 5;
  x = 300;
  p = &x;
  n = 100;
  while (n) n = n - 63;
  if (x < 64) x = -1;
}
