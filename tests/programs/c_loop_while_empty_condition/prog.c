int main(void)
{
  while () return 0;
  return 0;
}
