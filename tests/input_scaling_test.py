#!/usr/bin/env python3
"""Fails when the work of a run grows faster than its input.

  input_scaling_test.py <mirelchop> <kovar dir>

Chops, under valgrind --tool=callgrind, sources of n, 2n and 4n repetitions
of a shape that once cost the square of its size: one dotted name of n parts,
and n with clauses. Start-up costs the same at every size, so the growth
from 2n to 4n over the growth from n to 2n is 2 for linear work and 4 for
quadratic work; the test fails above 2.6. Instruction counts do not depend on
the machine's load. Status 77 (skipped) where valgrind is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Shape name -> source text of n repetitions.
SHAPES = {
    "dotted name": lambda n: "procedure P is begin " + ".".join(["A"] * n) + "; end P;\n",
    "with clauses": lambda n: "with A;\n" * n + "procedure P is begin null; end P;\n",
}
BASE = 4000
LIMIT = 2.6


def instructions(program, kovar, source, scratch):
    """Instructions of one run of `program -w` on `source`, in `scratch`."""
    profile = os.path.join(scratch, "callgrind.out")
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C", "KOVARDIR": kovar}
    run = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + profile,
                          program, "-w", source, scratch + "/"],
                         env=env, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"run failed with status {run.returncode}: {run.stderr[-2000:]}")
    with open(profile) as f:
        totals = re.search(r"^(?:summary|totals): *(\d+)", f.read(), re.M)
    os.remove(profile)
    return int(totals.group(1))


def main():
    program, kovar = sys.argv[1], sys.argv[2]
    if shutil.which("valgrind") is None:
        print("valgrind is missing: skipped")
        return 77
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "input.ada")
        for shape, text in SHAPES.items():
            counts = []
            for n in (BASE, 2 * BASE, 4 * BASE):
                with open(source, "w") as f:
                    f.write(text(n))
                counts.append(instructions(program, kovar, source, scratch))
            growth = (counts[2] - counts[1]) / (counts[1] - counts[0])
            print(f"{shape}: {counts[0]} / {counts[1]} / {counts[2]} instructions, growth {growth:.2f}")
            if growth > LIMIT:
                print(f"{shape}: work grows faster than the input ({growth:.2f} > {LIMIT})")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
