#include "bench/ada_text.h"

std::string ada_text(std::size_t size) {
  std::string text;
  for (int n = 0; text.size() < size; ++n) {
    const std::string id = std::to_string(n);
    text += "with Ada.Text_IO; use Ada.Text_IO;\n"
            "-- Unit " + id + ": generated for the benchmarks.\n"
            "package Pkg_" + id + " is\n"
            "   type Word_" + id + " is mod 2**16;\n"
            "   Limit : constant := 16#FF_FF#;\n"
            "   Ratio : constant Float := 12_345.67_8E-3;\n"
            "   Name  : constant String := \"Unit \"\"" + id + "\"\" of the run\";\n"
            "   procedure Step (X : in out Word_" + id + "; C : Character := 'a');\n"
            "end Pkg_" + id + ";\n\n"
            "package body Pkg_" + id + " is\n"
            "   procedure Step (X : in out Word_" + id + "; C : Character := 'a') is\n"
            "   begin\n"
            "      if X'Size >= 8 and then C /= ' ' then\n"
            "         X := X * 2 + Word_" + id + "'(1);\t-- doubled\n"
            "      elsif Character'Pos (C) in 1 .. 10 then\n"
            "         X := Word_" + id + "'Last;\n"
            "      end if;\n"
            "      Put_Line (Name & Word_" + id + "'Image (X));\n"
            "   end Step;\n"
            "end Pkg_" + id + ";\n\n";
  }
  return text;
}
