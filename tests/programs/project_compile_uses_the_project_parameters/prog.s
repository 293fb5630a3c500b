        LDIH R1,#0x12
        TFR R15,R1
