/* Three checksums over one message: a bitwise CRC-8 (polynomial 0x07) of the
   low bytes, a Fletcher-style pair of running sums, and a hash that xors in
   each word rotated by a count that varies, then rotates itself by one. */
#define BITS _TAVREL_N

int message[6] = {49, -2, 127, 0, 86, -77};
int out[4];

int crc8(int *p, int n)
{
  int crc;
  int i;
  int b;

  crc = 0;
  for (i = 0; i < n; i++) {
    crc = (crc ^ p[i]) & 255;
    for (b = 0; b < 8; b++) {
      if ((crc & 128) != 0) {
        crc = ((crc << 1) ^ 7) & 255;
      } else {
        crc = (crc << 1) & 255;
      }
    }
  }
  return crc;
}

void fletcher(int *p, int n)
{
  int s1;
  int s2;

  s1 = 0;
  s2 = 0;
  while (n > 0) {
    s1 = s1 + *p;
    s2 = s2 + s1;
    p = p + 1;
    n--;
  }
  out[1] = s1;
  out[2] = s2;
}

int hash(int *p, int n)
{
  int h;
  int i;
  int k;
  int x;

  h = 0;
  for (i = 0; i < n; i++) {
    k = (i & 3) + 1;
    x = p[i];
    h = h ^ ((x << k) | (x >> (BITS - k)));
    h = (h << 1) | (h >> (BITS - 1));
  }
  return h;
}

int main(void)
{
  out[0] = crc8(message, 6);
  fletcher(message, 6);
  out[3] = hash(message, 6);
}
