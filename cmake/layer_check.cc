// The program of a layer check (see layer_check.cmake): its worth is in
// linking at all, so it does nothing.
int main() { return 0; }
