* a label without ":" warns at every build; a rebuild puts the breakpoint back on its line
start   LDIL R1,#2
        ADD R1,R1
        RJMP start
