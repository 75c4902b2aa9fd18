Adiabatic heat, mix 4
3
0, 0
12,150
48, 260.5
