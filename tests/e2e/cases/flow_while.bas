WHILE p <> NULL
   p = p->next
WEND
WHILE n--
   total += n
WEND
WHILE (busy ())
WEND
