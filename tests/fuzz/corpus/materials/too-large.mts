/x.mts
Revised today
listcount= 2 
  
  
[Material]
material name=first
material color= 1E+12 
thermal conductivity= 1 
specific heat= 2 
density= 1E+40 
heat production= 4 
characteristic size= -.3 
     
[Material]
material name=second
material color= 7 
thermal conductivity= 5 
specific heat= 6 
density= 1E+400 
heat production= 8 
characteristic size= 0 
     
