/* The missing ] counts an error. From there on an operand read through
   the assignment level reads nothing: a parenthesised one misses its )
   and leaves the next operator, whose left operator then says so. */
int main(void)
{
  int a;
  int b;
  a = f((a[b), )
    + (
    - (
    != (
    & (
    && (
    += ,
    ;
}
