materials.mts
Revised 2026-12-06 11:09:52
listcount= 4 
  
  
[Material]
material name=Concrete
material color=              12500670 
thermal conductivity=        2.6 
specific heat= .92 
density=       2350 
heat production=             1 
characteristic size=         0 
     
[Material]
material name=Soil
material color=              3960470 
thermal conductivity=        1.5 
