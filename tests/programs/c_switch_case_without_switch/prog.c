int main(void)
{
  case 1: return 0;
}
