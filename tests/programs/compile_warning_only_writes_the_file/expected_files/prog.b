Tavrel ROM image, processor N=8 X=8 M=16 L=6 Z=4 I=0 O=0 IO=0
address and code (16 bits), words: 1
0000 1100110000000000
