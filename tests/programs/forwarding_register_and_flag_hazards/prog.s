* ADD then a use of its result: two NOPs between them
        ADD R1,R2
        SUB R3,R1
* one unrelated instruction between: one NOP
        LDIL R5,#1
        ADD R4,R3
* ADC reads the carry that ADD has just written: two NOPs
        ADD R6,R7
        ADC R4,R5
* a relative branch right after CMP is not checked; its offset follows the moves
        CMP R1,R2
        RB1 #Z,done
done:   NOP
