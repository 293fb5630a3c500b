/* The C half of bit_count.tvr, a project with its own processor (twelve 12-bit registers, 256
   RAM words, an 8-deep stack) and ports: main reads input port 0 (1905 = 0b011101110001), has
   the routine of bit_count.s count its 1 bits and writes the count to output port 0; IEM
   ends the run when the count is not 7. Run: build/tavrel -run examples/bit_count.tvr */
int input;
int ones;

int count_bits(int word)
{
  int count;
  /* The routine's address goes to R7:R6, since 12-bit registers are narrower than a ROM address. */
#asm R6, R7, R8, R9, R10;
  R6 = 0;
  R7 = 0;
  R8 = word;
  asm( LDIL R6,#COUNT_BITS  ICALL (R6) );
  count = R9;
#endasm
  return count;
}

int main(void)
{
#asm R6;
  asm( IN R6,0 );
  input = R6;
#endasm
  ones = count_bits(input);
#asm R6;
  R6 = ones;
  asm( OUT R6,0 );
#endasm
  if (ones != 7) {
#asm R6;
    R6 = ones;
    asm( IEM R6 );
#endasm
  }
}
