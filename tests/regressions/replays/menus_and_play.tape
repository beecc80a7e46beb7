taltrix-replay 1
arg --skip-intro
k 209
k 57
k 57
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 28
k 28
k 28
k 28
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k
k
k
k 3
k 3
k 3
k
k
k
k
k
k
k
k
k
k
k
k 38
k 38
k 38
k 38
k
k
k 203
k 203
k 203
k
k
k
k
k
k
k
k
k
k 21
k 21
k 21
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 28
k
k
k 28
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k 65
k 65
k
k 3
k 3
k 3
k
k
k
k
k
k
k
k 3
k 3
k
k
k
k
k 25
k
k
k
k
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k 200
k 200
k 200
k
k
k
k
k
k
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k
k
k 28
k 29
k
k 17
k 17
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 14
k 14
k
k
k
k
k
k
k 28
k 28
k 28
k
k
k
k
k
k
k 32
k 32
k 32
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 28
k 28
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k 3
k 3
k
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 28
k 28
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k 203
k 203
k 203
k
k
k
k
k
k
k 6
k 6
k 6
k
k
k 4
k 4
k 4
k
k
k
k
k
k
k 88
k 88
k
k
k
k 68
k 68
k 68
k 5
k 5
k 5
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k 44
k 44
k
k
k
k
k
k 4
k 4
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 2
k 2
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k 1
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k 203
k 203
k 203
k 203
k
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k 29
k 29
k 29
k
k
k
k
k
k 29
k 29
k 29
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 28
k 25 205
k 35
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k
k
k
k 59
k 59
k 59
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k
k 3
k 3
k 3
k 3
k
k
k
k
k
k
k 4
k 4
k 4
k
k
k
k 21
k 21
k 21
k 21
k
k
k
k
k
k
k
k 1
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 21
k 21
k 21
k
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k 29
k 29
k
k
k
k
k
k
k
k
k 205
k 205
k 205
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k 68
k 68
k 68
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 2
k 2
k 2
k
k 4
k 4
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k 4
k 4
k
k
k
k
k 3
k 3
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k 205
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k 203
k
k 21
k 21
k
k 4
k 4
k 4
k
k
k
k
k
k 61
k 61
k 61
k
k
k
k
c 0 4 0
