* does nothing
        NOP
