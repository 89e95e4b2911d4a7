#!/usr/bin/env python3
"""Fails when the message catalogues and the code disagree.

  check_catalogues.py <lupdate> <source dir>... -- <catalogue.ts>...

Extracts every translatable message from the sources with lupdate and
checks each catalogue: orvchoptags_* must hold exactly the code's messages
outside the "PLOVIdent" context, plovident_* exactly those inside it; every
translation must be finished and keep the source's placeholders and its
leading and trailing line breaks.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(ts_path):
    """(context, source, comment) -> translation element, from a .ts file."""
    found = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = message.find("translation")
    return found


def main():
    args = sys.argv[1:]
    split = args.index("--")
    lupdate, sources, catalogues = args[0], args[1:split], args[split + 1:]
    with tempfile.TemporaryDirectory() as scratch:
        extracted = os.path.join(scratch, "code.ts")
        subprocess.run([lupdate, "-silent", "-extensions", "cc,h", *sources, "-ts", extracted], check=True)
        code = set(messages(extracted))
    if not code:
        sys.exit("lupdate found no message in the sources")
    problems = []
    for path in catalogues:
        base = os.path.basename(path)
        wanted = {k for k in code if (k[0] == "PLOVIdent") == base.startswith("plovident_")}
        held = messages(path)
        for key in sorted(wanted - held.keys()):
            problems.append(f"{base}: missing {key!r}")
        for key in sorted(held.keys() - wanted):
            problems.append(f"{base}: no longer in the code {key!r}")
        for key, translation in held.items():
            text = translation.text if translation is not None else None
            if not text or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                problems.append(f"{base}: untranslated {key!r}")
                continue
            source = key[1]
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                problems.append(f"{base}: placeholders differ in {key!r}: {text!r}")
            if source.endswith("\n") != text.endswith("\n") or source.startswith("\n") != text.startswith("\n"):
                problems.append(f"{base}: line breaks differ in {key!r}: {text!r}")
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
