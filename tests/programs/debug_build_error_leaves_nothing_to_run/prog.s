        NOP
        FOO
