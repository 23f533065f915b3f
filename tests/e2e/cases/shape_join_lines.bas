'  first
total = a + b + c
ch = 10                                                    '\n = 10
k = ASC("a")
n = p->len + s.len
ttimer.count = 125
