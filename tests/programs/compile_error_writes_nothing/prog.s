        NOP
        LDIL R8,#1
        FOO
