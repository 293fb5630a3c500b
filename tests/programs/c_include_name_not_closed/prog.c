#include "lib.h
int main(void)
{
}
