int main(void)
{
  int x;
  x = 1;
  x = x << 0x7F;
  x = x << 0x80;
  x = x << 0xFF;
  x = x << 0x80u;
  x = x << 0x;
  x = x << 017;
  x = x << 09;
  x = x << 0x100;
  x = 2147483648;
}
