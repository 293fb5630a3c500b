/* A return suits its function: a value when the function has a type, and a value that fits. */
char small;
int large;

int without_value(void)
{
  return;
}

char narrowing(void)
{
  return large;
}

void nothing(void)
{
  return;
}

void with_value(void)
{
  return 1;
}

int main(void)
{
  with_value();
  nothing();
  narrowing();
  without_value();
  return small;
}
