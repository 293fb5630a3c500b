/* Globals and locals together: a 3 x 3 grid filled by nested loops through a
   call with four parameters, clamped into a window, weighted row sums by a
   shift-and-add multiplication, a global call counter with an initialiser,
   and a local array. */
#define LOWEST _TAVREL_INT_MIN

int grid[9];
int weights[3] = {3, -2, 5};
int calls = 5;
int out[9];

int mul(int a, int b)
{
  int r;

  r = 0;
  while (b != 0) {
    if ((b & 1) != 0) {
      r = r + a;
    }
    a = a << 1;
    b = b >> 1;
  }
  return r;
}

int clamp(int v, int lo, int hi)
{
  calls++;
  if (v >= lo && v <= hi) {
    return v;
  }
  if (v < lo) {
    return lo;
  }
  return hi;
}

int cell(int row, int column, int bias, int step)
{
  int v;

  v = (row << 1) + row - column + bias;
  v = v + mul(step, row + column);
  return clamp(v, -12, 12);
}

int weighted_row(int row)
{
  int s;
  int c;

  s = 0;
  for (c = 0; c < 3; c++) {
    s += mul(grid[(row << 1) + row + c], weights[c]);
  }
  return s;
}

int main(void)
{
  int r;
  int c;
  int s;
  int best;
  int best_row;
  int sums[3];

  for (r = 0; r < 3; r++) {
    for (c = 0; c < 3; c++) {
      grid[(r << 1) + r + c] = cell(r, c, -15, 7);
    }
  }
  best = LOWEST;
  best_row = -1;
  for (r = 0; r < 3; r++) {
    s = weighted_row(r);
    sums[r] = s;
    if (s > best || best_row < 0) {
      best = s;
      best_row = r;
    }
  }
  for (r = 0; r < 3; r++) {
    out[r] = sums[2 - r];
  }
  out[3] = best_row;
  out[4] = best;
  out[5] = calls;
  out[6] = grid[4] + grid[7] - grid[8];
  s = grid[0];
  s -= grid[2];
  s <<= 2;
  out[7] = s;
  s = grid[1];
  s >>= 1;
  out[8] = s;
}
