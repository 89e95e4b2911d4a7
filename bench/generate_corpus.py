#!/usr/bin/env python3
"""Writes deterministic Ada 95 corpora for the chopping benchmark.

  generate_corpus.py large <file> [--units N] [--seed S]
      one source holding about N units (default 20000), about 7.5 KB each
  generate_corpus.py many <dir> [--files N] [--seed S]
      N files (default 3000) of 1 to 10 units each
  generate_corpus.py runtime <file>
      the GNAT runtime's sources (specifications, then bodies) in one, as
      GNAT installed them; status 1 where GNAT is not installed
  --commented
      writes as real Ada is written: about 40% of the bytes in comments
      (headers of units, of declarations and of statements, at the
      indentation of the code they describe), which the default leaves at 1%

Every unit name is distinct; the text is well-formed Ada 95 of every kind a
library holds: specifications and bodies, child units, generics and their
instances, subunits, renamings, nested declarations and long comments.
"""
import argparse
import glob
import os
import random
import subprocess
import sys

WORDS = ("account balance buffer channel counter cursor device element entry "
         "event frame handler index item ledger limit message node order packet "
         "queue record region sample sensor signal stack state status table "
         "timer token track value vector window").split()


# Units in every group that Writer.group returns.
GROUP_UNITS = 16


class Writer:
    """Produces the units of one group of related library units."""

    def __init__(self, rng, commented=False):
        self.rng = rng
        self.commented = commented

    def sentence(self):
        return " ".join(self.rng.choices(WORDS, k=self.rng.randint(6, 14))).capitalize() + "."

    def with_comments(self, unit):
        """`unit` with comment lines before about a quarter of its lines, at
        their indentation, when the corpus is commented."""
        if not self.commented:
            return unit
        out = []
        for line in unit.split("\n"):
            if line.strip() and self.rng.random() < 0.27:
                indent = line[:len(line) - len(line.lstrip(" "))]
                out.extend(indent + "--  " + self.sentence() for _ in range(self.rng.randint(1, 2)))
            out.append(line)
        return "\n".join(out)

    def comment_block(self, lines):
        out = []
        for _ in range(lines):
            words = self.rng.choices(WORDS, k=self.rng.randint(6, 14))
            out.append("   --  " + " ".join(words).capitalize() + ".")
        return "\n".join(out) + "\n"

    def declarations(self, prefix, count):
        out = []
        for k in range(count):
            kind = self.rng.randrange(5)
            name = f"{prefix}_{WORDS[k % len(WORDS)].capitalize()}_{k}"
            if kind == 0:
                out.append(f"   type {name} is range 0 .. {self.rng.randint(10, 100000)};")
            elif kind == 1:
                out.append(f"   type {name} is record\n"
                           f"      Count : Natural := 0;\n"
                           f"      Level : Float := {self.rng.randint(0, 99)}.5;\n"
                           f"      Flag  : Boolean := False;\n"
                           f"   end record;")
            elif kind == 2:
                out.append(f"   {name} : constant Integer := 16#{self.rng.randint(16, 4095):X}#;")
            elif kind == 3:
                out.append(f"   type {name} is array (1 .. {self.rng.randint(2, 64)}) of Character;")
            else:
                out.append(f"   subtype {name} is Integer range -{self.rng.randint(1, 9)} .. {self.rng.randint(10, 99)};")
        return "\n".join(out) + "\n"

    def statements(self, depth=0):
        pad = "   " * (depth + 2)
        out = []
        for _ in range(self.rng.randint(3, 7)):
            kind = self.rng.randrange(6 if depth < 2 else 3)
            if kind == 0:
                out.append(f"{pad}Result := Result + {self.rng.randint(1, 9)} * (Value mod {self.rng.randint(2, 17)});")
            elif kind == 1:
                out.append(f"{pad}Text (Result mod Text'Length + 1) := '{self.rng.choice('abcxyz')}';")
            elif kind == 2:
                out.append(f'{pad}Last := Last + Natural\'Min (Text\'Length, {len(self.rng.choice(WORDS))});')
            elif kind == 3:
                out.append(f"{pad}if Result > {self.rng.randint(100, 999)} then\n"
                           + self.statements(depth + 1)
                           + f"{pad}else\n{pad}   Result := 0;\n{pad}end if;")
            elif kind == 4:
                out.append(f"{pad}for I in 1 .. {self.rng.randint(2, 20)} loop\n"
                           + self.statements(depth + 1)
                           + f"{pad}end loop;")
            else:
                out.append(f"{pad}case Value mod 3 is\n"
                           f"{pad}   when 0 => Result := Result + 1;\n"
                           f"{pad}   when 1 => Result := Result - 1;\n"
                           f"{pad}   when others => null;\n"
                           f"{pad}end case;")
        return "\n".join(out) + "\n"

    def function_body(self, name):
        return (f"   function {name} (Value : Integer) return Integer is\n"
                f"      Result : Integer := Value;\n"
                f"      Last   : Natural := 0;\n"
                f"      Text   : String (1 .. 16) := (others => ' ');\n"
                f"   begin\n" + self.statements() +
                f"      return Result + Last;\n"
                f"   end {name};\n")

    def group(self, g, size):
        """About `size` bytes of units whose names all carry the number g."""
        p = f"Lib_{g}"
        subs = max(1, size // 2600)
        funcs = [f"Compute_{k}" for k in range(subs)]
        units = []
        decl_count = max(2, size // 1400)
        units.append(
            f"--  Package {p}: {' '.join(self.rng.choices(WORDS, k=8))}.\n"
            + self.comment_block(self.rng.randint(4, 12)) +
            f"with Ada.Text_IO;\npackage {p} is\n" + self.declarations("T", decl_count) +
            "".join(f"   function {f} (Value : Integer) return Integer;\n" for f in funcs) +
            f"   procedure Report (Value : Integer);\n"
            f"   package Nested is\n      Hits : Natural := 0;\n      procedure Touch;\n   end Nested;\n"
            f"end {p};\n")
        units.append(
            f"\npackage body {p} is\n" + self.comment_block(self.rng.randint(2, 8)) +
            "".join(self.function_body(f) for f in funcs) +
            f"   procedure Report (Value : Integer) is separate;\n"
            f"   task Worker;\n   task body Worker is separate;\n"
            f"   package body Nested is\n      procedure Touch is\n      begin\n"
            f"         Hits := Hits + 1;\n      end Touch;\n   end Nested;\n"
            f"end {p};\n")
        units.append(
            f"\nseparate ({p})\nprocedure Report (Value : Integer) is\nbegin\n"
            f"   Ada.Text_IO.Put_Line (Integer'Image (Compute_0 (Value)));\nend Report;\n")
        units.append(
            f"\nseparate ({p})\ntask body Worker is\nbegin\n"
            f"   Nested.Touch;\nend Worker;\n")
        units.append(
            f"\npackage {p}.Child is\n" + self.declarations("C", max(2, decl_count // 2)) +
            f"   procedure Reset;\nend {p}.Child;\n")
        units.append(
            f"\npackage body {p}.Child is\n   procedure Reset is\n   begin\n"
            f"      Nested.Touch;\n   end Reset;\nend {p}.Child;\n")
        units.append(
            f"\ngeneric\n   type Element is private;\n   Size : Positive;\n"
            f"package Gen_{g} is\n   type Store is array (1 .. Size) of Element;\n"
            f"   procedure Put (S : in out Store; E : Element);\nend Gen_{g};\n")
        units.append(
            f"\npackage body Gen_{g} is\n   procedure Put (S : in out Store; E : Element) is\n"
            f"   begin\n      S (S'First) := E;\n   end Put;\nend Gen_{g};\n")
        units.append(f"\nwith Gen_{g};\npackage Inst_{g} is new Gen_{g} (Element => Integer, Size => {self.rng.randint(2, 99)});\n")
        units.append(f"\nwith {p};\npackage Alias_{g} renames {p};\n")
        units.append(
            f"\ngeneric\n   type Item is private;\nprocedure Swap_{g} (A, B : in out Item);\n")
        units.append(
            f"\nprocedure Swap_{g} (A, B : in out Item) is\n   T : constant Item := A;\nbegin\n"
            f"   A := B;\n   B := T;\nend Swap_{g};\n")
        units.append(f"\nwith Swap_{g};\nprocedure Swap_Integer_{g} is new Swap_{g} (Item => Integer);\n")
        units.append(
            f"\nwith {p};\nfunction Twice_{g} (Value : Integer) return Integer renames {p}.Compute_0;\n")
        units.append(f"\nprocedure Main_{g};\n")
        units.append(
            f"\nwith {p};\nprocedure Main_{g} is\n   X : Integer := 0;\nbegin\n"
            f"   X := {p}.Compute_0 ({self.rng.randint(1, 99)});\n   {p}.Report (X);\nend Main_{g};\n")
        assert len(units) == GROUP_UNITS
        return [self.with_comments(unit) for unit in units]


def write_large(path, units, seed, commented=False):
    rng = random.Random(seed)
    writer = Writer(rng, commented)
    with open(path, "w") as out:
        for g in range(-(-units // GROUP_UNITS)):
            out.write("".join(writer.group(g, 143000)))


def write_many(directory, files, seed, commented=False):
    rng = random.Random(seed)
    writer = Writer(rng, commented)
    os.makedirs(directory, exist_ok=True)
    for f in range(files):
        units = writer.group(f, 5200)[: rng.randint(1, 10)]
        with open(os.path.join(directory, f"source_{f:04d}.ada"), "w") as out:
            out.write("".join(units))


def runtime_sources():
    """The GNAT runtime's specifications, then its bodies; none without GNAT."""
    try:
        libgcc = subprocess.run(["gcc", "-print-libgcc-file-name"], capture_output=True, text=True,
                                check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return []
    directory = os.path.join(os.path.dirname(libgcc), "adainclude")
    return sorted(glob.glob(os.path.join(directory, "*.ads"))) + sorted(glob.glob(os.path.join(directory, "*.adb")))


def write_runtime(path):
    """Writes the GNAT runtime's sources into `path`, each ending with a
    newline; False (and nothing written) without GNAT."""
    sources = runtime_sources()
    if not sources:
        return False
    with open(path, "wb") as out:
        for source in sources:
            with open(source, "rb") as part:
                text = part.read()
            out.write(text if text.endswith(b"\n") else text + b"\n")
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("kind", choices=("large", "many", "runtime"))
    parser.add_argument("target")
    parser.add_argument("--units", type=int, default=20000)
    parser.add_argument("--files", type=int, default=3000)
    parser.add_argument("--seed", type=int, default=1995)
    parser.add_argument("--commented", action="store_true")
    args = parser.parse_args()
    if args.kind == "large":
        write_large(args.target, args.units, args.seed, args.commented)
    elif args.kind == "runtime":
        if not write_runtime(args.target):
            sys.exit("GNAT's runtime sources are not installed")
    else:
        write_many(args.target, args.files, args.seed, args.commented)


if __name__ == "__main__":
    main()
