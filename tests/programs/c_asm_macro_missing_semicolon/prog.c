int main(void)
{
#asm R1
}
