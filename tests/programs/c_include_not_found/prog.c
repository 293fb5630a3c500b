#include "missing.h"
int main(void)
{
}
