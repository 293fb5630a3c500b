/* Function pointers and void *: a dispatch table, callbacks, a typedef'd pointer, pointers
   returned by functions, comparisons, recursion through a pointer, handlers without value,
   void * passed around and converted back, and tentative definitions. Each call through a
   pointer is checked against the direct call and against a value worked out by hand. */
int out[2];

int failures;
int first_failure;
int failures = 0;
int first_failure;
extern int calls;
int calls;
int calls = 0;

void check(int number, int got, int expected)
{
  if (got != expected) {
    failures = failures + 1;
    if (first_failure == 0) {
      first_failure = number;
    }
  }
}

int add(int a, int b) { return a + b; }
int sub(int a, int b) { return a - b; }
int mul(int a, int b) { return a * b; }

typedef int (*binary_op)(int, int);
int (*ops[])(int, int) = {add, sub, mul};
binary_op chosen;

int twice(int x) { return x + x; }
int negate(int x) { return -x; }

int apply(int (*)(int), int);

int apply(int (*f)(int), int x)
{
  calls = calls + 1;
  return f(x) + (*f)(1);
}

binary_op pick(int k) { return ops[k]; }

int (*pick_by_sign(int k))(int, int)
{
  if (k < 0) {
    return sub;
  }
  return &add;
}

int (*fact_pointer)(int);

int fact(int n)
{
  if (n <= 1) {
    return 1;
  }
  return n * fact_pointer(n - 1);
}

/* A sum of 1..n whose recursive call goes through a pointer: its parameter and its local must
   survive the call. */
int (*sum_pointer)(int);

int sum_down(int n)
{
  int below;

  if (n == 0) {
    return 0;
  }
  below = sum_pointer(n - 1);
  return n + below;
}

int handled;
void first_handler(void) { handled = handled + 1; }
void second_handler(void) { handled = handled + 10; }
void (*handlers[3])(void);

int word;
char letters[3] = {'a', 'b', 'c'};
void *identity(void *p) { return p; }
int through_void(void *p)
{
  int *q = p;
  return *q;
}

int main(void)
{
  int i;
  binary_op op;
  int (*unary)(int);
  void *v;
  int *back;
  char *text;

  check(1, ops[0](7, 3), 10);
  check(2, ops[1](7, 3), 4);
  check(3, ops[2](7, 3), 21);
  for (i = 0; i < 3; i++) {
    op = pick(i);
    check(4 + i, op(5, 2), ops[i](5, 2));
  }
  check(7, (*ops[2])(-4, 3), mul(-4, 3));
  check(8, pick_by_sign(-1)(9, 4), 5);
  check(9, pick_by_sign(1)(9, 4), 13);

  check(10, apply(twice, 6), 14);
  check(11, apply(negate, 6), -7);
  unary = twice;
  check(12, apply(unary, 3), twice(3) + twice(1));
  check(13, calls, 3);

  chosen = 0;
  check(14, !chosen, 1);
  chosen = add;
  check(15, chosen == ops[0], 1);
  check(16, chosen != ops[1], 1);
  check(17, pick(1) == sub, 1);
  check(18, chosen != 0, 1);
  op = i > 2 ? mul : add;
  check(19, op(6, 7), 42);

  fact_pointer = fact;
  check(20, fact(5), 120);
  sum_pointer = &sum_down;
  check(21, sum_pointer(9), 45);

  handlers[0] = first_handler;
  handlers[1] = second_handler;
  handlers[2] = first_handler;
  handled = 0;
  for (i = 0; i < 3; i++) {
    handlers[i]();
  }
  check(22, handled, 12);

  word = 55;
  v = &word;
  back = v;
  check(23, *back, 55);
  back = identity(&word);
  *back = 66;
  check(24, word, 66);
  check(25, through_void(&word), 66);
  v = letters;
  text = v;
  check(26, text[1], 'b');
  text = i > 0 ? v : letters;
  check(27, text[2], 'c');

  out[0] = failures;
  out[1] = first_failure;
}
