* INT as a system call: it pushes the return address, clears the I flag and goes
* to the handler at ROM address 3, which adds R1 to a total in R3, counts the calls
* in R4 and returns with RETI, setting I again. A wrong flag or sum runs IEM R3.
* Run: build/tavrel -run examples/interrupt.s
        RJMP main
        NOP
        NOP
* Address 3 (no branch aims at it, so the NOPs added for the pipeline go after it).
handler:
        RB1 #I,bad
        ADD R3,R1
        INC R4
        RETI
main:   CLR R3
        CLR R4
        LDIL R1,#20
        INT
        RB0 #I,bad
        LDIL R1,#15
        INT
        LDIL R1,#7
        INT
        CMPI R3,#42
        RB0 #Z,bad
        CMPI R4,#3
        RB1 #Z,done
bad:    IEM R3
done:   NOP
