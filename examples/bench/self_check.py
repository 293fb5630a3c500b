"""The parts the generated programs share: a fail(count) function that executes IEM with the
count, and a main that runs the checks, counts the wrong results and calls fail when any is."""


def print_fail_function():
    print("void fail(int failures)")
    print("{")
    print("#asm R6;")
    print("  R6 = failures;")
    print("  asm( IEM R6 );")
    print("#endasm")
    print("}")


def print_main(checks):
    """checks: lines of C, each `  if (<call> != <value>) failures++;`."""
    print("int main(void)")
    print("{")
    print("  int failures = 0;")
    print("\n".join(checks))
    print("  if (failures != 0)")
    print("    fail(failures);")
    print("}")
