/* Constants are typed by their value under N = 16, folded constants too;
   shift counts must lie from 0 to 15. Checked from the last statement up. */
void takes_char(char value)
{
}

int main(void)
{
  char c;
  int i;
  i = 99999999999;
  i = -32769;
  i = 40000 + 40000;
  i = i << 16;
  i <<= 16;
  i = i << 15;
  i = i << c;
  takes_char(1 + 2);
  takes_char(200 + 100);
  takes_char(0xFF);
  takes_char(0x100);
  takes_char(40000);
  c = 300;
  return 0;
}
