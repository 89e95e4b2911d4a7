#!/usr/bin/env python3
"""Fails when the scanner has states that back up.

  check_scanner_backing_up.py <flex> <ada_scanner.l>

A scanner with such states records, at every byte it scans, the last place
where a token could end; one without them does not, which the scanner's
speed counts on. flex names the states (and the rules they belong to) in its
backing-up report; a new rule that needs them must come with the rows that
take its cut-short forms.
"""
import os
import subprocess
import sys
import tempfile


def main():
    flex, scanner = sys.argv[1], os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([flex, "-Cf", "-b", "-o", os.path.join(work, "scanner.cc"), scanner],
                       cwd=work, check=True)
        with open(os.path.join(work, "lex.backup"), encoding="utf-8", errors="replace") as report:
            text = report.read()
    if text.strip() != "No backing up.":
        print(text, file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
