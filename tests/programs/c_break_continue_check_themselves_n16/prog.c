// break and continue in the three loops, compared with values worked out by hand.
int failures;
int a[6] = {3, -1, 4, 0, 5, 9};

void check(int got, int expected)
{
  if (got != expected)
    failures++;
}

int main(void)
{
  int i;
  int j;
  int sum;
  int found = -1;
  for (i = 0; i < 6; i++) {
    if (a[i] == 0) {
      found = i;
      break;
    }
  }
  check(found, 3);
  sum = 0;
  for (i = 0; i < 6; i++) {
    if (a[i] < 0)
      continue;
    sum += a[i];
  }
  check(sum, 21);
  i = 0;
  sum = 0;
  while (1) {
    i++;
    if (i > 10)
      break;
    if (i & 1)
      continue;
    sum += i;
  }
  check(sum, 30);
  check(i, 11);
  i = 0;
  sum = 0;
  do {
    i++;
    if (i == 3)
      continue;
    if (i == 6)
      break;
    sum += i;
  } while (i < 100);
  check(sum, 12);
  sum = 0;
  for (i = 0; i < 4; i++)
    for (j = 0; j < 4; j++) {
      if (j > i)
        break;
      sum++;
    }
  check(sum, 10);
  for (i = 0; i < 3; i++) {
    switch (i) {
      case 1: continue;
      default: sum++;
    }
    sum += 10;
  }
  check(sum, 32);
  if (failures != 0) {
#asm R6;
    R6 = failures;
    asm( IEM R6 );
#endasm
  }
}
