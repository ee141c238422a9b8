[Languages]
Default=0x0009
count=1
key0=0x0009
