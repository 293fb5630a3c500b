/* Binary search in an ascending table: out[k] is the index of keys[k] in
   the table, or -1 when the key is not there. */
int table[12] = {-90, -41, -7, 0, 3, 18, 29, 44, 61, 77, 95, 120};
int keys[10] = {-90, 120, 3, 44, -100, 1, 50, 127, 77, -7};
int out[10];

int find(int key, int n)
{
  int lo;
  int hi;
  int mid;

  lo = 0;
  hi = n - 1;
  while (lo <= hi) {
    mid = (lo + hi) >> 1;
    if (table[mid] == key) {
      return mid;
    }
    if (table[mid] < key) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return -1;
}

int main(void)
{
  int k;

  for (k = 0; k < 10; k++) {
    out[k] = find(keys[k], 12);
  }
}
