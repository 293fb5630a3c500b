/* A goto finds its label in its own block or an enclosing one, never in a nested block. */
int count;

int main(void)
{
  count = 0;
again:
  count += 1;
  {
    if (count < 3) goto again;
    goto done;
  inner:
    count = 5;
  }
  goto inner;
  goto nowhere;
done:
  return 0;
}
