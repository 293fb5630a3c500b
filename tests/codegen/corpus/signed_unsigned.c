/* Signed and unsigned comparisons of the same words: counts over a table,
   every ordering of every pair read as int and as unsigned int (each true
   comparison adds 8 i + j, so the sums tell which pairs they were), an
   unsigned loop across the sign boundary, and the char types, which hold
   N bits when N > 8. */
#define LOWEST _TAVREL_INT_MIN
#define HIGHEST _TAVREL_INT_MAX
#define UHIGHEST _TAVREL_UINT_MAX

int values[8] = {-3, -100, 5, LOWEST, HIGHEST, 0, -1, 100};
int out[16];

void count_orders(void)
{
  unsigned int i;
  unsigned int j;
  int a;
  int b;
  unsigned int ua;
  unsigned int weight;

  for (i = 0; i < 8; i++) {
    for (j = 0; j < 8; j++) {
      weight = (i << 3) + j;
      a = values[i];
      b = values[j];
      if (a < b) {
        out[8] += weight;
      }
      if (a <= b) {
        out[9] += weight;
      }
      if (a > b) {
        out[10] += weight;
      }
      if (a >= b) {
        out[11] += weight;
      }
      ua = a;
      if (ua < b) {
        out[12] += weight;
      }
      if (ua <= b) {
        out[13] += weight;
      }
      if (ua > b) {
        out[14] += weight;
      }
      if (ua >= b) {
        out[15] += weight;
      }
    }
  }
}

int main(void)
{
  unsigned int i;
  unsigned int u;
  unsigned int zero;
  char c;
  unsigned char uc;

  for (i = 0; i < 16; i++) {
    out[i] = 0;
  }
  zero = 0;
  for (i = 0; i < 8; i++) {
    if (values[i] < 0) {
      out[0]++;
    }
    u = values[i];
    if (u > 100) {
      out[1]++;
    }
    if (values[i] + zero < 7) {
      out[2]++;
    }
    if (values[i] < 200) {
      out[3]++;
    }
  }
  for (u = HIGHEST - 2; u < HIGHEST + 3; u++) {
    out[4]++;
  }
  u = UHIGHEST;
  while (u > 1) {
    u = u >> 1;
    out[5]++;
  }
  c = 100;
  c = c + 100;
  out[6] = c;
  uc = 200;
  if (uc > -1) {
    out[7] = 1;
  } else {
    out[7] = 2;
  }
  count_orders();
}
