#!/usr/bin/env python3
"""The overlay notation on a small grammar, and the #line directives of the
later revisions' grammar that the build writes.

  grammar_overlay_test.py <bison>
"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ANALYSIS = os.path.join(HERE, "..", "analysis")
sys.path.insert(0, ANALYSIS)
sys.path.insert(0, HERE)
from grammar_overlay import Grammar, OverlayError, generate, productions  # noqa: E402
from check_grammar_overlay import drift  # noqa: E402

BISON = sys.argv.pop(1) if len(sys.argv) > 1 else "bison"

BASE = """%token A B C
%%

/* The list. */
s
    : A                  /* 1 */
    | B s                /* 2 */
        { act(); }
    | t                  /* 3 */
    ;

t
    : C                  /* 4 */
    ;

%%
"""


def grammar(directory, name, text):
    path = os.path.join(directory, name)
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)
    return Grammar(path)


def overlay_text(rules):
    return "%define api.prefix {later_}\n%%\n" + rules


class Notation(unittest.TestCase):
    # Overlay, and the later grammar's productions as {nonterminal: [(symbols, action)]}.
    APPLIED = [
        ("added alternative", "s\n    : %inherit\n    | B B\n    ;\n",
         {"s": [("A", ""), ("B s", "act();"), ("t", ""), ("B B", "")], "t": [("C", "")]}),
        ("first alternative removed", "s\n    : %inherit\n    | %remove A\n    | C C\n    ;\n",
         {"s": [("B s", "act();"), ("t", ""), ("C C", "")], "t": [("C", "")]}),
        ("replaced", "s\n    : t t\n        { other(); }\n    ;\n",
         {"s": [("t t", "other();")], "t": [("C", "")]}),
        ("added nonterminal", "s\n    : %inherit\n    | u\n    ;\n\nu\n    : B\n    ;\n",
         {"s": [("A", ""), ("B s", "act();"), ("t", ""), ("u", "")], "t": [("C", "")], "u": [("B", "")]}),
        ("dropped", "%drop t ;\n\ns\n    : %inherit\n    | %remove t\n    | C\n    ;\n",
         {"s": [("A", ""), ("B s", "act();"), ("C", "")]}),
    ]

    def test_applied(self):
        for name, rules, expected in self.APPLIED:
            with self.subTest(name), tempfile.TemporaryDirectory() as directory:
                base = grammar(directory, "base.y", BASE)
                overlay = grammar(directory, "overlay.y", overlay_text(rules))
                got = {lhs: [alt.key() for alt in alts] for lhs, alts in productions(base, overlay).items()}
                self.assertEqual(got, expected)
                self.assertEqual(drift(base, overlay, {}), [])
                # What is written is a grammar bison reads, with the same productions.
                later = os.path.join(directory, "later.y")
                with open(later, "w", encoding="utf-8") as out:
                    out.write(generate(base, overlay))
                result = subprocess.run([BISON, "-Wall", "-Werror=other", "-o", os.path.join(directory, "later.c"), later],
                                        capture_output=True, text=True)
                self.assertEqual(result.returncode, 0, result.stderr)
                with open(later, encoding="utf-8") as written:
                    without_lines = grammar(directory, "plain.y", "".join(
                        line for line in written if not line.startswith("#line")))
                self.assertEqual({lhs: [alt.key() for alt in rule.alternatives]
                                  for lhs, rule in without_lines.rules.items()}, expected)

    # Overlay on BASE (or on BASE), and a part of what must be reported.
    REFUSED = [
        ("drop of a nonterminal the base lacks", BASE, "%drop v ;\n", "%drop v: the base has no such nonterminal"),
        ("drop of a nonterminal the overlay defines", BASE, "%drop t ;\n\nt\n    : A\n    ;\n",
         "%drop t: the overlay also defines it"),
        ("inheriting from a nonterminal the base lacks", BASE, "v\n    : %inherit\n    | A\n    ;\n",
         "v: inherits, but the base has no such nonterminal"),
        ("removal of an alternative the base lacks", BASE, "s\n    : %inherit\n    | %remove C\n    | B\n    ;\n",
         "s: %remove C: the base has no such alternative"),
        ("removal without inheriting", BASE, "s\n    : %remove A\n    | C\n    ;\n", "s: %remove without %inherit"),
    ]

    def test_refused(self):
        for name, base_text, rules, message in self.REFUSED:
            with self.subTest(name), tempfile.TemporaryDirectory() as directory:
                base = grammar(directory, "base.y", base_text)
                overlay = grammar(directory, "overlay.y", overlay_text(rules))
                with self.assertRaises(OverlayError) as raised:
                    generate(base, overlay)
                self.assertIn(message, str(raised.exception))
                self.assertIn(message, drift(base, overlay, {}))

    # Overlays that apply but no longer say only what differs.
    DRIFTED = [
        ("replacement equal to the base", "t\n    : C\n    ;\n", "t: replaced by what the base already has"),
        ("inheriting and changing nothing", "s\n    : %inherit\n    ;\n", "s: inherits and changes nothing"),
        ("adding an inherited alternative", "s\n    : %inherit\n    | A\n    | C\n    ;\n",
         "s: adds 'A', which it inherits"),
        ("restated production with another action", "s\n    : A\n    | B s\n        { other(); }\n    | t\n    ;\n",
         "s: B s\n    Ada 95:  { act(); }\n    later:   { other(); }"),
    ]

    def test_drifted(self):
        for name, rules, message in self.DRIFTED:
            with self.subTest(name), tempfile.TemporaryDirectory() as directory:
                base = grammar(directory, "base.y", BASE)
                overlay = grammar(directory, "overlay.y", overlay_text(rules))
                self.assertIn(message, drift(base, overlay, {}))


class LineDirectives(unittest.TestCase):
    def test_each_line_comes_from_where_its_directive_says(self):
        base = Grammar(os.path.join(ANALYSIS, "ada_grammar.y"))
        overlay = Grammar(os.path.join(ANALYSIS, "ada2022_overlay.y"))
        sources = {}
        place = None
        checked = 0
        for line in generate(base, overlay).split("\n"):
            directive = re.match(r'#line (\d+) "(.*)"$', line)
            if directive:
                place = [directive.group(2), int(directive.group(1))]
                continue
            if place is None:
                continue
            if place[0] not in sources:
                with open(place[0], encoding="utf-8") as source:
                    sources[place[0]] = source.read().split("\n")
            original = sources[place[0]][place[1] - 1]
            if line in ("", "    ;", "%%") and line != original:
                # What the generator writes itself; a directive follows it.
                place = None
                continue
            if line.strip()[:1] in (":", "|"):
                # An alternative's opening may change between ':' and '|', and
                # the base's rule numbers are left out.
                self.assertEqual(line.strip()[1:].split(), re.sub(r"/\* \d+ \*/", "", original).strip()[1:].split(), line)
            else:
                self.assertEqual(line, original)
            place[1] += 1
            checked += 1
        self.assertGreater(checked, 1000)


if __name__ == "__main__":
    unittest.main()
