* One word of each kind, read back from the binary text file. IB1 keeps the
* code as written (no forwarding), so every address below is the one shown.
        ADD R3,R5      ; 0
        LDIL R2,#255   ; 1
back:   IB1 #Z,(R4)    ; 2
        RJMP back      ; 3  offset -1
        RCALL sub      ; 4  offset +2
        RB0 #C,back    ; 5  offset -3
sub:    OUT R1,5       ; 6
        PMC #0x1234    ; 7
        IEM R1         ; 8  same code as NOP
        LPM R1,(R2)    ; 9
        STX R3,-(R4)   ; 10
        TTSR R5        ; 11
        BITST R6,#7    ; 12
        ADI R1,#-1     ; 13
        RET            ; 14
