/* Tentative definitions are one object; two initialised ones are an error, and so are two
   declarations of one object with different types. */
int counted;
int counted = 1;
int counted;
int limit = 2;
int limit = 3;
char sized[4];
int sized[4];
static int hidden;
static int hidden = 4;

int main(void)
{
  return counted + limit + hidden + sized[0];
}
