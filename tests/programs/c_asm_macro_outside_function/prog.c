#asm R1;
int main(void)
{
}
