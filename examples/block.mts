@DATA@/block.mts
Revised 2026-12-06 11:09:52
listcount= 1 
  
  
[Material]
material name=Block concrete
material color=              12500670 
thermal conductivity=        1.95 
specific heat= 1.075 
density=       2298.4 
heat production=             1 
characteristic size=         0 
     
