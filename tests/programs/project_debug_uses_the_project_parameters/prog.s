* 16-bit registers hold 0x1234 whole; R15 exists with sixteen registers
        LDIH R1,#0x12
        LDIL R1,#0x34
        TFR R15,R1
