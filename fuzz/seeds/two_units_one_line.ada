package A is end A; package B is end B;
procedure C is begin null; end C; -- trailing
