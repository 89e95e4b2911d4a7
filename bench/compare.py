#!/usr/bin/env python3
"""Runs mirelchop and gnatchop side by side on the benchmark corpora and
prints a table of medians and ratios.

  compare.py <mirelchop> <kovardir> <workdir> [--repeat N]

<workdir> holds large.ada, tenth.ada, commented.ada and many/ (see
generate_corpus.py), and runtime.ada, the GNAT runtime in one source.
Beside the tools it runs two probes from the build directory of <mirelchop>
(bench/parse_only, bench/start_only): the scan and parse of (a) alone, as
Ada 95 and as Ada 2022, and
the program's start-up alone once per file, the bounds of the two ratios
that they share their cost with.
Every round runs each measurement once, so that a change in the machine's
load during the benchmark falls on all of them alike. The unit files of
every run stay until the end: about 600 MB in <workdir> per round.
"""
import argparse
import glob
import hashlib
import itertools
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


def settle():
    """Writes back what earlier runs left dirty, so that no run pays for another's files."""
    os.sync()


def run(command, cwd, env, memory=True):
    """Wall seconds, CPU seconds and peak resident kilobytes (0 without
    `memory`) of one command. The peak comes from /usr/bin/time: a child of
    this script would report the script's own size, inherited before exec."""
    if memory:
        command = ["/usr/bin/time", "-f", "%M"] + command
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    # The standard error of these runs is short; reading it after the end cannot block the child.
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit(f"failed ({proc.returncode}): {' '.join(command[:6])} ...\n{err[-2000:]}")
    peak_kb = int(err.strip().splitlines()[-1]) if memory else 0
    return elapsed, usage.ru_utime + usage.ru_stime, peak_kb


def tree_digest(path):
    """One digest of the names and contents of the files of a directory."""
    digest = hashlib.sha256()
    for name in sorted(os.listdir(path)):
        digest.update(name.encode() + b"\0")
        with open(os.path.join(path, name), "rb") as f:
            digest.update(hashlib.sha256(f.read()).digest())
    return digest.hexdigest()


def file_digest(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


class Digests:
    """The output digest of every source set, checked from run to run and
    against what earlier benchmarks recorded for the same corpus."""

    def __init__(self, record):
        self.record = record
        self.known = {}
        if os.path.exists(record):
            with open(record) as f:
                for line in f:
                    key, value = line.split()
                    self.known[key] = value

    def check(self, label, corpus_key, tree):
        digest = tree_digest(tree)
        expected = self.known.setdefault(corpus_key, digest)
        if expected != digest:
            sys.exit(f"{label}: the unit files differ from an earlier run's ({self.record})")

    def save(self):
        with open(self.record, "w") as f:
            for key, value in sorted(self.known.items()):
                f.write(f"{key} {value}\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mirelchop")
    parser.add_argument("kovardir")
    parser.add_argument("workdir")
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    work = os.path.abspath(args.workdir)
    # The tools run in a scratch directory, where relative paths would not hold.
    args.mirelchop = os.path.abspath(args.mirelchop)
    args.kovardir = os.path.abspath(args.kovardir)
    env = dict(os.environ, KOVARDIR=args.kovardir, LANG="C", LC_ALL="C")
    env.pop("MIRELCHOP", None)
    env.pop("MIRELCHOP_ADA", None)
    env_2022 = dict(env, MIRELCHOP_ADA="2022")
    scratch = fresh(os.path.join(work, "scratch"))
    outputs = fresh(os.path.join(work, "out"))
    made = itertools.count()

    # Every run writes into a directory of its own, and the trees go only at
    # the end: a file system may search past the inodes of files deleted in
    # the last minutes when it creates new ones (ext4 does), so a run right
    # after the deletion of an earlier run's tree would pay for it.
    def new_output():
        return fresh(os.path.join(outputs, str(next(made))))
    large = os.path.join(work, "large.ada")
    tenth = os.path.join(work, "tenth.ada")
    commented = os.path.join(work, "commented.ada")
    runtime = os.path.join(work, "runtime.ada")
    many = sorted(glob.glob(os.path.join(work, "many", "*.ada")))
    first = many[:300]
    mirel = [args.mirelchop, "-w"]
    probes = os.path.join(os.path.dirname(args.mirelchop), "bench")
    parse_only = [os.path.join(probes, "parse_only")]
    start_only = [os.path.join(probes, "start_only")]
    gnat = ["gnatchop", "-w", "-q"]
    digests = Digests(os.path.join(work, "digests"))
    large_key = "large:" + file_digest(large)
    many_key = "many:" + hashlib.sha256(b"".join(file_digest(p).encode() for p in many)).hexdigest()

    # First runs, untimed: they read the corpora into the page cache and give
    # the trees that the tar archives of the floors hold.
    def archive_of(command, key, label, name):
        out = new_output()
        run(command + [out], scratch, env)
        digests.check(label, key, out)
        archive = os.path.join(work, name)
        with tarfile.open(archive, "w") as tar:
            tar.add(out, arcname=".")
        return archive
    large_archive = archive_of(mirel + [large], large_key, "(a) mirelchop", "large-out.tar")
    many_archive = archive_of(mirel + many, many_key, "(b) mirelchop", "many-out.tar")

    def one_run(command, check=None, run_env=env):
        def measure():
            out = new_output()
            settle()
            result = run(command + [out], scratch, run_env)
            if check:
                check(out)
            return result
        return measure

    def per_file(tool):
        def measure():
            out = new_output()
            settle()
            start = time.perf_counter()
            cpu = 0.0
            for source in first:
                cpu += run(tool + [source, out], scratch, env, memory=False)[1]
            return time.perf_counter() - start, cpu, 0
        return measure

    def probe(command):
        def measure():
            settle()
            return run(command, scratch, env)
        return measure

    def untar(archive):
        def measure():
            out = new_output()
            settle()
            return run(["tar", "-xf", archive, "-C", out], scratch, env)
        return measure

    measurements = [
        ("(a) mirelchop -w", one_run(mirel + [large], lambda out: digests.check("(a) mirelchop", large_key, out))),
        ("(a) tar -xf (floor)", untar(large_archive)),
        ("(a) gnatchop -w -q", one_run(gnat + [large])),
        ("(a) scan and parse alone", probe(parse_only + [large])),
        ("(a) scan and parse alone, Ada 2022", probe(parse_only + [large, "2022"])),
        ("(a) mirelchop -w, Ada 2022",
         one_run(mirel + [large], lambda out: digests.check("(a) mirelchop", large_key, out), env_2022)),
        ("(a/10) mirelchop -w", one_run(mirel + [tenth])),
        ("(a/10) gnatchop -w -q", one_run(gnat + [tenth])),
        ("(c) mirelchop -w, commented", one_run(mirel + [commented])),
        ("(c) gnatchop -w -q, commented", one_run(gnat + [commented])),
        ("(c) scan and parse alone, commented", probe(parse_only + [commented])),
        ("(d) mirelchop -w, GNAT runtime, Ada 2022", one_run(mirel + [runtime], run_env=env_2022)),
        ("(d) gnatchop -w -q -gnat2022, GNAT runtime", one_run(gnat + ["-gnat2022", runtime])),
        ("(d) scan and parse alone, GNAT runtime, Ada 2022", probe(parse_only + [runtime, "2022"])),
        ("(b) mirelchop -w, one run", one_run(mirel + many, lambda out: digests.check("(b) mirelchop", many_key, out))),
        ("(b) gnatchop -w -q, one run", one_run(gnat + many)),
        ("(b) tar -xf (floor)", untar(many_archive)),
        ("(b/300) mirelchop -w, per file", per_file(mirel)),
        ("(b/300) gnatchop -w -q, per file", per_file(gnat)),
        ("(b/300) start-up alone, per file", per_file(start_only)),
    ]
    results = {label: [] for label, _ in measurements}
    for round_number in range(args.repeat):
        for label, measure in measurements:
            results[label].append(measure())
        print(f"round {round_number + 1} of {args.repeat} done", file=sys.stderr)
    shutil.rmtree(outputs, ignore_errors=True)
    digests.save()

    wall = {label: statistics.median(r[0] for r in runs) for label, runs in results.items()}
    cpu = {label: statistics.median(r[1] for r in runs) for label, runs in results.items()}
    peak = {label: max(r[2] for r in runs) for label, runs in results.items()}
    print(f"\n{'run':48} {'wall s':>9} {'cpu s':>9} {'peak MB':>9}")
    for label, _ in measurements:
        memory = f"{peak[label] / 1024:9.1f}" if peak[label] else f"{'-':>9}"
        print(f"{label:48} {wall[label]:9.3f} {cpu[label]:9.3f} {memory}")

    def time_ratio(text, numerator, denominator, target):
        print(f"  {text:42} {wall[numerator] / wall[denominator]:8.2f} {cpu[numerator] / cpu[denominator]:8.2f}"
              f"   (target {target})")

    # On a loaded machine a run waits for the processor as well; the CPU
    # ratio shows what the tools themselves cost.
    print(f"\n{f'ratios of the medians of {args.repeat} runs':44} {'wall':>8} {'cpu':>8}")
    # On a disk, writing the files weighs more in both tools' times, which
    # brings their ratio closer to 1: the target there is lower.
    in_memory = subprocess.run(["stat", "-f", "-c", "%T", work], capture_output=True, text=True).stdout.strip() == "tmpfs"
    time_ratio("(a) gnatchop / mirelchop", "(a) gnatchop -w -q", "(a) mirelchop -w", ">= 2.5" if in_memory else ">= 2.2")
    time_ratio("(c) gnatchop / mirelchop, commented", "(c) gnatchop -w -q, commented",
               "(c) mirelchop -w, commented", "none")
    time_ratio("(d) gnatchop / mirelchop, GNAT runtime", "(d) gnatchop -w -q -gnat2022, GNAT runtime",
               "(d) mirelchop -w, GNAT runtime, Ada 2022", "none")
    time_ratio("(a) mirelchop / tar floor", "(a) mirelchop -w", "(a) tar -xf (floor)", "<= 2")
    time_ratio("  bound: scan and parse alone / tar floor", "(a) scan and parse alone", "(a) tar -xf (floor)",
               "<= 2")
    time_ratio("(a) scan and parse, Ada 2022 / Ada 95", "(a) scan and parse alone, Ada 2022",
               "(a) scan and parse alone", "<= 1.1")
    time_ratio("(b) one run, gnatchop / mirelchop", "(b) gnatchop -w -q, one run", "(b) mirelchop -w, one run",
               ">= 50")
    time_ratio("(b) one run, mirelchop / tar floor", "(b) mirelchop -w, one run", "(b) tar -xf (floor)", "none")
    time_ratio("(b) per file, gnatchop / mirelchop", "(b/300) gnatchop -w -q, per file",
               "(b/300) mirelchop -w, per file", ">= 5")
    time_ratio("  bound: gnatchop / start-up alone", "(b/300) gnatchop -w -q, per file",
               "(b/300) start-up alone, per file", ">= 5")
    memory = peak["(a) mirelchop -w"] / peak["(a/10) mirelchop -w"]
    print(f"  {'mirelchop peak memory (a) / (a/10)':42} {memory:8.2f} {'':8}   (target <= 1.2)")
    print(f"  {'mirelchop peak memory on (a), MB':42} {peak['(a) mirelchop -w'] / 1024:8.1f} {'':8}   (target <= 32)")
    print(f"\nunit files of (a) and (b) identical in every run and to earlier benchmarks' (digests in {digests.record})")


if __name__ == "__main__":
    main()
