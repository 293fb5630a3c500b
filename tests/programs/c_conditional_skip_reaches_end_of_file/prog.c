#define DEFINED 1
#ifndef DEFINED
int main(void)
{
}
