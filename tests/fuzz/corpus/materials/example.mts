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
specific heat= 1.1 
density=       1800 
heat production=             0 
characteristic size=         0 
     
[Material]
material name=Plywood form
material color=              5941970 
thermal conductivity=        .13 
specific heat= 1.6 
density=       550 
heat production=             0 
characteristic size=         .02 
     
[Material]
material name=Rock
material color=              7892590 
thermal conductivity=        2.9 
specific heat= .85 
density=       2650 
heat production=             0 
characteristic size=         0 
     
