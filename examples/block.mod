model file=   @DATA@/block.mod
Revised       2026-12-06 11:10:00
modelname=    Insulated block
submodelfiles= 1 
submodels=     1 
[submodelprofiles]
1
[submodel]
profilename=  Insulated block
profile=      @DATA@/block.prf
color=         12500670 
[parameters]
total time= 0 
start time= 0 
Rparam_1= 0 
Rparam_2= 0 
Rparam_3= 0 
[output]
output= 0
locus= 
