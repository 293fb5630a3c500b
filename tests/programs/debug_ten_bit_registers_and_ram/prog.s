* with 10-bit registers LDIH fills bits 8 and 9: 0x3FF is -1, 0x155 is 341
        LDIL R1,#0xFF
        LDIH R1,#3
        LDIL R3,#0x55
        LDIH R3,#1
        LDIL R2,#2
        ST R3,(R2)
