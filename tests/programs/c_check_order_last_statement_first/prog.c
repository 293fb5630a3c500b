/* Checks run from the last statement of a block to the first, and a function is checked when
   its first call is, so of two functions called in one block the later one comes first. */
void called_first(void)
{
  goto early;
}

void called_second(void)
{
  goto late;
}

int main(void)
{
  called_first();
  called_second();
  goto one;
  goto two;
  return 0;
}
