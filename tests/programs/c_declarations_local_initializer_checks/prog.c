/* A local's initialiser may be any value, stored as `=` stores it: the same
   types are refused, named as an initialisation. Only the first refusal of a
   type is reported (the checks run from the last statement up); an address
   needs a pointer whatever came before. */
int total;

int main(void)
{
  int n = total + 1;
  int *p = &total;
  int wrong = &n;
  char c = n;
  return c + wrong;
}
