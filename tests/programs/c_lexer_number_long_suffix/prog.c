int main(void)
{
  int x;
  x = 10L;
}
