/* A case owns the statements up to the next one; a statement before the
   first case belongs to none and would never run. */
int x;

int main(void)
{
  switch (x) {
    x = 5;
    case 1:
      x = 1;
      x = 2;
  }
  return 0;
}
