/* Switches whose cases hold several statements: a case runs its statements and
   leaves the switch at their end (there is no fall-through), a break leaves it
   sooner, also from inside an if, and a continue inside a switch goes on with
   the loop around it. Every check compares with a value worked out by hand:
   out[0] counts the failed checks, out[1] holds the number of the first one. */
int out[2] = {0, 0};

void check(int number, int got, int expected)
{
  if (got != expected) {
    if (out[0] == 0)
      out[1] = number;
    out[0]++;
  }
}

int classify(int v)
{
  int r = 0;
  switch (v) {
    case 1:
      r = 10;
      r += 1;
      break;
    case 2:
      r = 20;
      if (v == 2)
        break;
      r = 99;
    case 3:
      r = 30;
      int t = r + 1;
      r = t + 1;
    case 4:
    again:
      r++;
      if (r < 3)
        goto again;
    default:
      r = -1;
      r--;
  }
  return r;
}

int nested(int a, int b)
{
  int r = 0;
  switch (a) {
    case 1:
      switch (b) {
        case 1:
          r = 1;
          break;
        default:
          r = 2;
      }
      r += 10;
      break;
    default:
      r = 50;
  }
  return r;
}

void inside_loops(void)
{
  int sum = 0, count = 0;
  for (int i = 0; i < 6; i++) {
    switch (i & 3) {
      case 0:
        continue;
      case 1:
        sum += 1;
        sum += 2;
        break;
      default:
        sum += 4;
    }
    sum += 8;
  }
  check(1, sum, 46);
  switch (sum) {
    case 46:
      for (int j = 0; j < 10; j++) {
        if (j == 3)
          break;
        count++;
      }
      count += 10;
      break;
    default:
      count = -1;
  }
  check(2, count, 13);
}

int main(void)
{
  check(3, classify(1), 11);
  check(4, classify(2), 20);
  check(5, classify(3), 32);
  check(6, classify(4), 3);
  check(7, classify(7), -2);
  check(8, nested(1, 1), 11);
  check(9, nested(1, 5), 12);
  check(10, nested(2, 1), 50);
  inside_loops();
}
