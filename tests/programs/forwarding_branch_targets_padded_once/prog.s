* two branches to one target: it gets two NOPs once, both branches land on the first
        RB1 #Z,target
        RB0 #Z,target
        LDIL R1,#1
target: LDIL R2,#2
* a loop start is padded too; the backward branch is aimed again
loop:   DEC R1
        RB0 #Z,loop
        NOP
