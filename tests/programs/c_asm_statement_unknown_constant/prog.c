int main(void)
{
  asm( LDIL R1,#NOPE );
}
