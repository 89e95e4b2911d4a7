#!/usr/bin/env python3
"""Fails when the two grammars give one production different actions.

  check_grammar_actions.py <ada_grammar.y> <ada2022_grammar.y>

Both grammars build the unit list through the same calls; a production that
both grammars have (same left side, same symbols) must run the same action,
or none in both, unless it is listed below with the reason it differs. So a
change to one grammar's action that is forgotten in the other fails here.
"""
import re
import sys

# Productions whose actions differ on purpose, with the reason.
INTENDED = {
    "pragma: PRAGMA direct_name SEMICOLON":
        "the later grammar keeps the pragma's name, which decides where a unit ends",
    "pragma: PRAGMA direct_name LEFT_PAREN pragma_argument_list RIGHT_PAREN SEMICOLON":
        "the later grammar keeps the pragma's name, which decides where a unit ends",
    "package_spec_start: ": "the later grammar's marker follows a head whose value is the name",
    "package_body_start: ": "the later grammar's marker follows a head whose value is the name",
    "task_body_start: ": "the later grammar's marker follows a head whose value is the name",
    "protected_body_start: ": "the later grammar's marker follows a head whose value is the name",
}


def productions(path):
    """'lhs: symbols' -> action text (spaces normalised, '' when none) of the
    rules section."""
    text = open(path, encoding="utf-8").read()
    rules = re.sub(r"/\*.*?\*/", " ", text.split("\n%%\n")[1], flags=re.S)
    found = {}
    lhs, symbols, action = None, [], ""
    # Words and braced actions in order; an action holds braces at most one
    # level deep.
    for token in re.findall(r"\{(?:[^{}]|\{[^{}]*\})*\}|[^\s{}]+", rules):
        if lhs is None:
            lhs = token
        elif token == ":":
            symbols, action = [], ""
        elif token in ("|", ";"):
            found[f"{lhs}: {' '.join(symbols)}"] = action
            symbols, action = [], ""
            if token == ";":
                lhs = None
        elif token.startswith("{"):
            action = " ".join(token[1:-1].split())
        elif token != "%empty":
            symbols.append(token)
    return found


def main():
    ada95 = productions(sys.argv[1])
    later = productions(sys.argv[2])
    if len(ada95) < 500 or len(later) < 500:
        print(f"read {len(ada95)} and {len(later)} productions: the grammars' layout changed")
        return 1
    drift = []
    for key in sorted(set(ada95) & set(later)):
        if ada95[key] != later[key] and key not in INTENDED:
            drift.append(f"{key}\n    Ada 95:  {{ {ada95[key]} }}\n    later:   {{ {later[key]} }}")
    for key in sorted(INTENDED):
        if key not in ada95 or key not in later or ada95[key] == later[key]:
            drift.append(f"{key}\n    listed as differing on purpose, but it does not")
    shared = len(set(ada95) & set(later))
    print(f"{shared} productions in both grammars, {len(INTENDED)} with actions differing on purpose")
    for entry in drift:
        print(entry)
    return 1 if drift else 0


if __name__ == "__main__":
    sys.exit(main())
