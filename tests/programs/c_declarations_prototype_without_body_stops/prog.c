int f(void) { return 1; }
int g(int a);
int main(void) { return f(); }
