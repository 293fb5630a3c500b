int twice(int a);
int main(void)
{
  return 0;
}
