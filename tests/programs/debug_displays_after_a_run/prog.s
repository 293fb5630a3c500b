* leaves values in a register, the RAM, the status register and the stack
        LDIL R1,#200
        LDIL R2,#4
        ST R1,(R2)
        RCALL next
next:   CMPI R1,#1
