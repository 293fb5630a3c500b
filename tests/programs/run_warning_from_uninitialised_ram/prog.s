        LD R1,(R2)
        IEM R1
