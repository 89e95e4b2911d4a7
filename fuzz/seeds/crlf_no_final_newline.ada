with X, Y.Z;
package A.B is
end A.B;
separate (A)
procedure Q is begin null; end Q;