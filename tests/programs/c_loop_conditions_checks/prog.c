/* A condition is a boolean when it is an int or a char; a pointer or an unknown name is not. */
int count;
int *cursor;

int main(void)
{
  for (;;) count = 1;
  for (count = 0; count < 3; count += 1) cursor = cursor;
  while (cursor) count = 2;
  do count = 3; while (unknown);
  if (count) count = 4; else count = 5;
  return 0;
}
