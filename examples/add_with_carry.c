/* An #asm macro hands C values to assembly and back: 8-bit registers add 16-bit numbers byte
   by byte, ADD then ADC taking the carry. The macro lists its registers (saved and restored
   around it), loads them from C, runs asm( ) and copies registers back; wrong sums run IEM.
   Run with sixteen registers: build/tavrel -X 16 -run examples/add_with_carry.c */

/* Numbers as bytes, low byte first: a + b gives sum and the carry out of bit 15. */
unsigned int a[2];
unsigned int b[2];
unsigned int sum[3];

void add16(void)
{
#asm R8, R9, R10, R11, R12;
  R8 = a[0];
  R9 = a[1];
  R10 = b[0];
  R11 = b[1];
  R12 = 0;
  /* The NOPs keep each flag read two instructions after the flag write, for the pipeline. */
  asm( ADD R8,R10  NOP NOP  ADC R9,R11  NOP NOP  ROL R12 );
  sum[0] = R8;
  sum[1] = R9;
  sum[2] = R12;
#endasm
}

void fail(unsigned int value)
{
#asm R6;
  R6 = value;
  asm( IEM R6 );
#endasm
}

void check(unsigned int low, unsigned int high, unsigned int carry)
{
  if (sum[0] != low)
    fail(sum[0]);
  if (sum[1] != high)
    fail(sum[1]);
  if (sum[2] != carry)
    fail(sum[2]);
}

int main(void)
{
  /* 0x12F0 + 0x0320 = 0x1610: 0xF0 + 0x20 carries into the high byte. */
  a[0] = 240;
  a[1] = 18;
  b[0] = 32;
  b[1] = 3;
  add16();
  check(16, 22, 0);
  /* 0xFFFF + 0x0001 = 0x0000 and a carry out of the top. */
  a[0] = 255;
  a[1] = 255;
  b[0] = 1;
  b[1] = 0;
  add16();
  check(0, 0, 1);
}
