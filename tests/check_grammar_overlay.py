#!/usr/bin/env python3
"""Fails when the later revisions' overlay has drifted from the Ada 95 grammar.

  check_grammar_overlay.py <ada_grammar.y> <ada2022_overlay.y>

The overlay must still say only what differs: each entry must name what the
base has (a dropped, inherited or removed nonterminal or alternative), a
replaced nonterminal must differ from the base's, an inheriting one must
add or remove something, and a production that the base has and the overlay
restates (same left side, same symbols) must run the same action, unless it
is listed below with the reason it differs. So a rule that drifts back to
its base, an overlay entry that a change of the base left behind, and an
action changed in the base but not in its restated copy all fail here.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "analysis"))
from grammar_overlay import Grammar, OverlayError, inconsistencies  # noqa: E402

# Productions whose actions differ on purpose, with the reason.
INTENDED = {
    "package_spec_start: ": "the later grammar's marker follows a head whose value is the name",
    "package_body_start: ": "the later grammar's marker follows a head whose value is the name",
    "task_body_start: ": "the later grammar's marker follows a head whose value is the name",
    "protected_body_start: ": "the later grammar's marker follows a head whose value is the name",
}


def drift(base, overlay, intended=None):
    """Every way the overlay no longer fits the base, one line each; the
    productions in `intended` (INTENDED unless given) may differ in action."""
    intended = INTENDED if intended is None else intended
    found = inconsistencies(base, overlay)
    differing = set()
    for rule in overlay.rules.values():
        original = base.rules.get(rule.name)
        if original is None:
            continue
        inherited = {alt.symbols: alt.action for alt in original.alternatives}
        if rule.inherits():
            if not rule.own() and not rule.removed():
                found.append(f"{rule.name}: inherits and changes nothing")
            for alt in rule.own():
                if alt.symbols in inherited and alt.symbols not in {gone.symbols for gone in rule.removed()}:
                    found.append(f"{rule.name}: adds '{alt.symbols}', which it inherits")
        elif sorted(alt.key() for alt in rule.own()) == sorted(alt.key() for alt in original.alternatives):
            found.append(f"{rule.name}: replaced by what the base already has")
        for alt in rule.own():
            key = f"{rule.name}: {alt.symbols}"
            if alt.symbols in inherited and inherited[alt.symbols] != alt.action:
                differing.add(key)
                if key not in intended:
                    found.append(f"{key}\n    Ada 95:  {{ {inherited[alt.symbols]} }}\n    later:   {{ {alt.action} }}")
    for key in sorted(set(intended) - differing):
        found.append(f"{key}\n    listed as differing on purpose, but it does not")
    return found


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    try:
        base, overlay = Grammar(sys.argv[1]), Grammar(sys.argv[2])
    except OverlayError as error:
        print(error)
        return 1
    if len(base.rules) < 200 or not overlay.rules:
        print(f"read {len(base.rules)} and {len(overlay.rules)} nonterminals: the grammars' layout changed")
        return 1
    problems = drift(base, overlay)
    replaced = sum(1 for name, rule in overlay.rules.items() if name in base.rules and not rule.inherits())
    extended = sum(1 for rule in overlay.rules.values() if rule.inherits())
    print(f"overlay: {replaced} nonterminals replaced, {extended} inherited with changes, "
          f"{len(overlay.rules) - replaced - extended} added, {len(overlay.drops)} dropped")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
