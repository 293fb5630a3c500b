#if 1
int main(void)
{
}
