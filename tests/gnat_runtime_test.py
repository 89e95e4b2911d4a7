#!/usr/bin/env python3
"""Chops every source of the installed GNAT runtime as Ada 2022 and as Ada 95.

  gnat_runtime_test.py <mirelchop> <kovar dir>

The runtime that Debian's gnat package installs is real Ada 2012 and 2022
code written by others. Each of its .ads and .adb files holds one unit, so a
chop, one process per file, must end with status 0 and write exactly one
unit file holding exactly the source's bytes; a file that says by
`pragma No_Body;` alone that its unit has no body holds no unit and must
give none.

As Ada 95, a source whose pragmas before its first unit state its revision
(as a-cofuba.ads states Ada 2012) is read in that revision and must chop as
above. Any other source is read as Ada 95: it either chops as above or is
refused with a syntax error followed by the note that it reads as Ada 2022
(it does, having chopped so), and then only when it is not Ada 95, which the
compiler's own syntax check in Ada 95 mode (gcc -gnats -gnat95) must confirm
by refusing it too. The compiler checks a copy under a neutral name in a
scratch directory, since it reads the runtime's own file names in its latest
revision. The files are read where they are installed and never copied into
the repository. Status 77 (skipped) where the runtime is missing.
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

# Files the runtime writes in syntax of GNAT's own extensions, which no Ada
# standard has; none so far.
KNOWN_EXCEPTIONS = {}

# Files that the compiler's Ada 95 syntax check lets pass although they are
# Ada 2005: a formal package whose actual part gives <> for some parameters
# only (RM 12.7), which Ada 95 allows for all parameters or none.
LATER_THAN_COMPILER_SAYS = {"a-ticoau.ads", "a-wtcoau.ads", "a-ztcoau.ads"}


def runtime_directory():
    """The adainclude directory next to the compiler's libgcc, or None."""
    try:
        libgcc = subprocess.run(["gcc", "-print-libgcc-file-name"], capture_output=True, text=True,
                                check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return None
    directory = os.path.join(os.path.dirname(libgcc), "adainclude")
    return directory if os.path.isdir(directory) else None


def holds_no_unit(text):
    """True when the source is nothing but pragma No_Body and comments."""
    code = re.sub(rb"--[^\n]*", b"", text)
    return re.fullmatch(rb"\s*pragma\s+No_Body\s*;\s*", code, re.IGNORECASE) is not None


# Comments, and pragmas with or without arguments, before the first unit.
LEADING_PRAGMAS = re.compile(rb"(?:\s|--[^\n]*)*(?:pragma\s+\w+\s*(?:\([^;]*\))?\s*;(?:\s|--[^\n]*)*)*",
                             re.IGNORECASE)
REVISION_PRAGMA = re.compile(rb"pragma\s+(?:ada_83|ada_95|ada_05|ada_2005|ada_12|ada_2012|ada_2022)\s*;",
                             re.IGNORECASE)


# How a refusal for syntax ends.
SYNTAX_ERROR = ": Syntax error while analysing, can't continue."


def later_revision_note(source):
    """The note after the syntax error of an Ada 95 reading of `source`, which reads as Ada 2022."""
    return f'Note: "{source}" reads as Ada 2022; set MIRELCHOP_ADA=2022 to chop it so.'


def states_revision(text):
    """True when the pragmas before the source's first unit state its revision."""
    return REVISION_PRAGMA.search(LEADING_PRAGMAS.match(text).group(0)) is not None


def compiler_accepts_as_ada95(source, scratch):
    """True when GNAT's syntax check in Ada 95 mode accepts the source."""
    copy = os.path.join(scratch, "unit" + os.path.splitext(source)[1])
    with open(source, "rb") as original, open(copy, "wb") as renamed:
        renamed.write(original.read())
    try:
        return subprocess.run(["gcc", "-c", "-gnats", "-gnat95", os.path.basename(copy)], cwd=scratch,
                              capture_output=True).returncode == 0
    finally:
        os.remove(copy)


def chop_fault(program, env, source, scratch):
    """What is wrong with the chop of `source` into the empty `scratch`, or None."""
    run = subprocess.run([program, source, scratch + "/"], env=env, capture_output=True)
    try:
        if run.returncode != 0:
            return f"status {run.returncode}: {run.stderr.decode(errors='replace').strip()}"
        written = os.listdir(scratch)
        with open(source, "rb") as original:
            if holds_no_unit(original.read()):
                return f"{len(written)} unit files for a source without a unit" if written else None
        if len(written) != 1:
            return f"{len(written)} unit files: {sorted(written)}"
        with open(source, "rb") as original, open(os.path.join(scratch, written[0]), "rb") as unit:
            if original.read() != unit.read():
                return f"{written[0]} differs from the source"
        return None
    finally:
        for name in os.listdir(scratch):
            os.remove(os.path.join(scratch, name))


def main():
    program, kovar = sys.argv[1:3]
    directory = runtime_directory()
    if directory is None:
        print("no GNAT runtime installed: skipped")
        return 77
    sources = sorted(glob.glob(os.path.join(directory, "*.ad[sb]")))
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C", "KOVARDIR": kovar}
    faults = []
    stating = refused_as_ada95 = 0
    with tempfile.TemporaryDirectory() as scratch, tempfile.TemporaryDirectory() as compiler_scratch:
        for source in sources:
            fault = chop_fault(program, {**env, "MIRELCHOP_ADA": "2022"}, source, scratch)
            name = os.path.basename(source)
            if fault is not None and name not in KNOWN_EXCEPTIONS:
                faults.append(f"{name}: {fault}")
            elif fault is None and name in KNOWN_EXCEPTIONS:
                faults.append(f"{name}: chops, but is listed as an exception")
            if fault is not None:
                continue
            fault = chop_fault(program, {**env, "MIRELCHOP_ADA": "95"}, source, scratch)
            with open(source, "rb") as original:
                stated = states_revision(original.read())
            stating += stated
            if fault is None:
                continue
            refusal = fault.removeprefix("status 7: ").split("\n") if fault.startswith("status 7: ") else []
            if stated or len(refusal) != 2 or not refusal[0].endswith(SYNTAX_ERROR) or \
                    refusal[1] != later_revision_note(source):
                faults.append(f"{name} as Ada 95: {fault}")
            elif compiler_accepts_as_ada95(source, compiler_scratch) != (name in LATER_THAN_COMPILER_SAYS):
                faults.append(f"{name} as Ada 95: {fault}, but gcc -gnats -gnat95 "
                              + ("accepts it" if name not in LATER_THAN_COMPILER_SAYS
                                 else "refuses it, and it is listed as accepted"))
            else:
                refused_as_ada95 += 1
    print(f"{len(sources)} runtime sources in {directory}, {len(KNOWN_EXCEPTIONS)} known exceptions")
    print(f"as Ada 95: {stating} state their revision, {refused_as_ada95} others refused as later syntax, as the compiler refuses them")
    for fault in faults:
        print(fault)
    if not sources:
        print("the runtime directory holds no source")
        return 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
