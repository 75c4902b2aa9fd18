model file=   pier.mod
Revised       2026-12-06 11:10:00
modelname=    Pier on a rock footing
submodelfiles= 2 
submodels=     3 
[submodelprofiles]
1,2,2
[submodel]
profilename=  Footing on rock
profile=      footing.prf
color=         9868950 
[submodel]
profilename=  Column
profile=      column.prf
color=         14459000 
[parameters]
total time= 0 
start time= 0 
Rparam_1= 0 
Rparam_2= 0 
Rparam_3= 0 
[output]
output= 0
locus= 
