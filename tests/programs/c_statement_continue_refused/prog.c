int count;

int main(void)
{
  while (count < 3) continue;
  return 0;
}
