generic package G is end G;
package I is new G;
function "+" (L, R : T) return T renames P."+";
procedure R renames S.T;
separate (P.Q) package body B is end B;
