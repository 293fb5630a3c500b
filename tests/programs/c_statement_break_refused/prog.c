int count;

int main(void)
{
  while (count < 3) break;
  return 0;
}
