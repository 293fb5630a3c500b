/* Each case owns one statement; its value must be a constant that no other case has. */
int x;
int y;

void well_formed(void)
{
  switch (x) {
    case 1: { x = 2; y = 3; }
    case 2: y = 4;
    default: { y = 5; }
  }
}

void bad_values(void)
{
  switch (x) {
    case y: x = 1;
    case 3: x = 2;
    case 4: x = 3;
    case 3: x = 4;
    case 4: x = 5;
  }
}

void strays(void)
{
  switch (x) {
    case 1: x = 1; y = 2;
    case 2: { x = 2; }
    case 3: x = 3; switch (y) { case 4: y = 4; }
  }
}

int main(void)
{
  well_formed();
  bad_values();
  strays();
  return 0;
}
