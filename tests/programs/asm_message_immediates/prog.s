* immediate values: ranges, bases, constants
        ADI R1,#64
        CMPI R1,#-65
        LDIL R2,#256
        LDIH R2,#-1
        BITSET R1,#8
        LDIL R1,#0x
        LDIL R1,#0b2
        LDIL R1,#0o9
        LDIL R1,#SIZE
        CST 9A #1
        PMC 12
