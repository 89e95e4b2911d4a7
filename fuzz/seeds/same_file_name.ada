package A is end A;
package a is end a;
