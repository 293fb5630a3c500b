int count;

int main(void)
{
  do count = 1; until (count);
  return 0;
}
