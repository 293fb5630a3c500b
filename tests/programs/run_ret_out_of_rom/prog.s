* the call is the last word, so its return address lies past the code
        RJMP main
sub:    RET
main:   RCALL sub
