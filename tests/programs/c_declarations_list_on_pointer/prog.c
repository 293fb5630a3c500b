int main(void)
{
  return 0;
}
int a[] = {1, 2};
