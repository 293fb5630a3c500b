int x;

int main(void)
{
  switch (x) {
    default: x = 1;
    case 1: x = 2;
    default: x = 3;
  }
  return 0;
}
