* endless recursion: the fifth call overflows a stack of four words
loop:   RCALL loop
