int x;
int main(void)
{
  if (x)
    break;
  continue;
  x = 1;
}
