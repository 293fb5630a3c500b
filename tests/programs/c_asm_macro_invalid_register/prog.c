int main(void)
{
#asm R
}
