/* A const object is initialised once and never changed: an assignment of any
   kind, ++ or -- is reported, naming the variable, or for an element the array
   or pointer it is reached through. A pointer to const may move; a const
   pointer may not. */
const int limit = 5;
const int steps[3] = {1, 2, 4};
int plain = 0;

int bump(const int k, const int *p, int *const q)
{
  p = q;
  p++;
  q = p;
  *q = 1;
  p[0] = 2;
  (p + 1)[0] = 3;
  return k++;
}

int main(void)
{
  const int local = plain + 1;
  limit = 6;
  limit += 1;
  ++limit;
  local--;
  steps[1] = 0;
  steps[2] |= 1;
  return bump(local, steps, &plain);
}
