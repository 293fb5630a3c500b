* an indirect branch anywhere keeps the code as written: no NOP after ADD
        ADD R1,R2
        SUB R3,R1
        ICALL (R2)
