unsigned counter;
int main(void)
{
  return 0;
}
int first, second;
