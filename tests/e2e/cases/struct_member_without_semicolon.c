struct S { int a }
struct T { int b }
