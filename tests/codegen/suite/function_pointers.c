/* Functions as values: a variable, a parameter, a table, a typedef, a result, a member. */
typedef int (*operation)(int, int);

int add(int a, int b) { return a + b; }
int sub(int a, int b) { return a - b; }
int mul(int a, int b) { return a * b; }

int (*table[3])(int, int) = {add, sub, mul};

int apply(int (*f)(int, int), int a, int b)
{
  return f(a, b);
}

operation pick(int which)
{
  return which == 0 ? add : which == 1 ? sub : mul;
}

struct command {
  int code;
  int (*run)(int, int);
};

struct command commands[2] = {{7, sub}, {9, mul}};

int countdown(int (*self)(int), int n)
{
  return n;
}

int factorial(int n);
int (*recurse)(int) = factorial;

int factorial(int n)
{
  return n <= 1 ? 1 : n * recurse(n - 1);
}

int main(void)
{
  operation op = add;
  int (*other)(int, int) = &sub;
  int i, total = 0;
  if (op(2, 3) != 5 || (*op)(4, 4) != 8) return 1;
  if (other(9, 4) != 5) return 2;
  for (i = 0; i < 3; i++) total += table[i](6, 3);
  if (total != 9 + 3 + 18) return 3;
  if (apply(mul, 7, 6) != 42 || apply(pick(1), 1, 8) != -7) return 4;
  if (pick(2) != mul || pick(0) == sub || !op) return 5;
  for (i = 0; i < 2; i++)
    if (commands[i].code == 9) total = commands[i].run(3, 5);
  if (total != 15) return 6;
  if (factorial(6) != 720) return 7;
  op = 0;
  if (op != 0) return 8;
  if (countdown(factorial, 3) != 3) return 9;
  return 0;
}
