p = s
WHILE (p=strtok(p,","))!=NULL
   n++
   p=NULL
WEND
i = 0  :  j = 9
WHILE i<max(j,3)
   go (i, j)
   i++ : j--
WEND
