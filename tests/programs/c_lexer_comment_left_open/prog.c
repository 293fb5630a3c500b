int main(void)
{
}
/* never closed
