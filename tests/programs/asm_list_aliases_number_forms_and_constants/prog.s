* Alias and number forms; BREQ keeps the code free of forwarding
        CST SIZE #10
        CST PORT #127
        add r1,r2
        ADD R1,R2
        ADD RX-1,RX-8
        LDIL R1,#0x1F
        LDIL R1,#0b11111
        LDIL R1,#0o37
        LDIL R1,#31
        LDIL R1,#017
        LDIL R2,#SIZE
        LDIL R3,#_TAVREL_N
        ADI R4,#_TAVREL_X
        ADI R4,#- 0X0a
        INC R3
        DEC R3
        CLR R3
        IN R1,PORT
        OUT R1,126
        BREQ (R4)
        BRCC (R10)
        PMC #-1
        nop ret reti int
        iem rx-1
