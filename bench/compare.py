#!/usr/bin/env python3
"""Runs mirelchop and gnatchop side by side on the benchmark corpora and
prints a table of medians and ratios.

  compare.py <mirelchop> <kovardir> <workdir> [--repeat N]

<workdir> holds large.ada, tenth.ada and many/ (see generate_corpus.py).
"""
import argparse
import glob
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import tarfile
import time


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def timed(command, cwd, env):
    """Wall seconds and peak resident kilobytes of one command."""
    start = time.perf_counter()
    proc = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, cwd=cwd, env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    elapsed = time.perf_counter() - start
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {' '.join(command[:4])} ...\n{proc.stderr[-2000:]}")
    peak_kb = int(proc.stderr.strip().splitlines()[-1])
    return elapsed, peak_kb


def tree_digest(path):
    digest = hashlib.sha256()
    for name in sorted(os.listdir(path)):
        digest.update(name.encode() + b"\0")
        with open(os.path.join(path, name), "rb") as f:
            digest.update(f.read())
    return digest.hexdigest()


def median_of(runs):
    return statistics.median(r[0] for r in runs), max(r[1] for r in runs)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mirelchop")
    parser.add_argument("kovardir")
    parser.add_argument("workdir")
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    work = os.path.abspath(args.workdir)
    env = dict(os.environ, KOVARDIR=args.kovardir, LANG="C", LC_ALL="C")
    env.pop("MIRELCHOP", None)
    scratch = fresh(os.path.join(work, "scratch"))
    out = os.path.join(work, "out")
    large = os.path.join(work, "large.ada")
    tenth = os.path.join(work, "tenth.ada")
    many = sorted(glob.glob(os.path.join(work, "many", "*.ada")))
    rows = []

    def measure(label, make_command, prepare=lambda: None):
        runs = []
        for _ in range(args.repeat):
            prepare()
            runs.append(make_command())
        rows.append((label,) + median_of(runs))
        return runs

    mirel = [args.mirelchop, "-w"]
    gnat = ["gnatchop", "-w", "-q"]

    # (a) one large source
    digests = set()

    def mirel_large():
        fresh(out)
        result = timed(mirel + [large, out], scratch, env)
        digests.add(tree_digest(out))
        return result

    measure("(a) mirelchop -w", mirel_large)
    archive = os.path.join(work, "large-out.tar")
    with tarfile.open(archive, "w") as tar:
        tar.add(out, arcname=".")
    measure("(a) tar -xf (floor)", lambda: timed(["tar", "-xf", archive, "-C", fresh(out)], scratch, env))
    measure("(a) gnatchop -w -q", lambda: timed(gnat + [large, fresh(out)], scratch, env))

    # a tenth of (a): memory must not grow with the input
    measure("(a/10) mirelchop -w", lambda: timed(mirel + [tenth, fresh(out)], scratch, env))
    measure("(a/10) gnatchop -w -q", lambda: timed(gnat + [tenth, fresh(out)], scratch, env))

    # (b) many files in one invocation
    measure("(b) mirelchop -w, one run", lambda: timed(mirel + many + [fresh(out)], scratch, env))
    measure("(b) gnatchop -w -q, one run", lambda: timed(gnat + many + [fresh(out)], scratch, env))

    # (b) one process per file, first 300 files
    def per_file(tool):
        def run():
            target = fresh(out)
            start = time.perf_counter()
            peak = 0
            for source in many[:300]:
                _, kb = timed(tool + [source, target], scratch, env)
                peak = max(peak, kb)
            return time.perf_counter() - start, peak
        return run

    measure("(b/300) mirelchop -w, per file", per_file(mirel))
    measure("(b/300) gnatchop -w -q, per file", per_file(gnat))

    shutil.rmtree(out, ignore_errors=True)
    print(f"\n{'run':36} {'median s':>10} {'peak MB':>9}")
    for label, seconds, kb in rows:
        print(f"{label:36} {seconds:10.3f} {kb / 1024:9.1f}")
    by = {label: seconds for label, seconds, _ in rows}
    mem = {label: kb for label, _, kb in rows}
    print("\nratios")
    print(f"  (a) gnatchop / mirelchop:          {by['(a) gnatchop -w -q'] / by['(a) mirelchop -w']:8.2f}")
    print(f"  (a) mirelchop / tar floor:         {by['(a) mirelchop -w'] / by['(a) tar -xf (floor)']:8.2f}")
    print(f"  (b) one run, gnatchop / mirelchop: {by['(b) gnatchop -w -q, one run'] / by['(b) mirelchop -w, one run']:8.2f}")
    print(f"  (b) per file, gnatchop / mirelchop:{by['(b/300) gnatchop -w -q, per file'] / by['(b/300) mirelchop -w, per file']:8.2f}")
    print(f"  mirelchop peak memory (a) / (a/10):{mem['(a) mirelchop -w'] / mem['(a/10) mirelchop -w']:8.2f}")
    print(f"\noutput tree of (a) identical across runs: {'yes' if len(digests) == 1 else 'NO'} ({len(digests)} digest(s))")
    if len(digests) != 1:
        sys.exit(1)


if __name__ == "__main__":
    main()
