int main(void)
{
  asm( FOO );
}
