#!/usr/bin/env python3
"""Writes the later revisions' grammar: the Ada 95 grammar with an overlay.

  grammar_overlay.py <ada_grammar.y> <ada2022_overlay.y> <output.y>

The overlay is written in bison's notation, with four additions:

  name : ... ;            a nonterminal the base has: replaced whole;
                          one it lacks: added.
  name : %inherit | ... ; the base's alternatives, then the ones listed.
  | %remove symbols       in such a rule: that base alternative left out.
  %drop name ... ;        base nonterminals the later grammar has no use for.

Its declarations (before its %%) follow the base's. The output keeps the
base's order, each added nonterminal after the one the overlay names before
it, with #line directives so that
bison's messages name the line of the base or the overlay they come from.
"""
import re
import sys

RULE_NAME = re.compile(r"[a-z_][a-z0-9_]*$")
RULE_NUMBER = re.compile(r"\s*/\* \d+ \*/\s*$")


class OverlayError(Exception):
    """An overlay that cannot be applied to its base."""


class Alternative:
    """One right-hand side: its symbols, its action and the lines it spans."""

    def __init__(self, lines):
        self.lines = lines  # (line number, text) pairs
        head = lines[0][1].strip()[1:]
        head = re.sub(r"/\*.*?\*/", " ", head)
        words = head.split()
        self.inherit = words == ["%inherit"]
        self.remove = bool(words) and words[0] == "%remove"
        if self.remove:
            words = words[1:]
        self.symbols = " ".join(w for w in words if w != "%empty")
        action = " ".join(text.strip() for _, text in lines[1:])
        self.action = " ".join(action[1:-1].split()) if action else ""

    def key(self):
        return (self.symbols, self.action)


class Rule:
    """A nonterminal with the comment right above it and its alternatives."""

    def __init__(self, name, comment, name_line):
        self.name = name
        self.comment = comment  # (line number, text) pairs
        self.name_line = name_line
        self.alternatives = []

    def inherits(self):
        return any(alt.inherit for alt in self.alternatives)

    def own(self):
        """Its alternatives, without %inherit and %remove lines."""
        return [alt for alt in self.alternatives if not alt.inherit and not alt.remove]

    def removed(self):
        return [alt for alt in self.alternatives if alt.remove]


class Grammar:
    """A grammar file cut into its declarations, its rules section (as free
    text and rules in order) and the %drop entries of an overlay."""

    def __init__(self, path):
        self.path = path
        with open(path, encoding="utf-8") as source:
            lines = source.read().split("\n")
        marks = [i for i, text in enumerate(lines) if text == "%%"]
        if not marks:
            raise OverlayError(f"{path}: no %% line")
        self.declarations = list(enumerate(lines[: marks[0]], 1))
        end = marks[1] if len(marks) > 1 else len(lines)
        self.chunks = []  # ("text", [(number, line)]) or ("rule", Rule)
        self.drops = []
        self._read_rules([(i + 1, lines[i]) for i in range(marks[0] + 1, end)])
        self.rules = {rule.name: rule for kind, rule in self.chunks if kind == "rule"}

    def _read_rules(self, numbered):
        pending = []  # comment lines right above what comes next
        rule = None
        position = 0
        while position < len(numbered):
            number, text = numbered[position]
            stripped = text.strip()
            if rule is not None:
                if stripped == ";":
                    rule = None
                elif stripped[:1] in (":", "|"):
                    block = [(number, text)]
                    depth = 0
                    while position + 1 < len(numbered) and (
                            depth > 0 or numbered[position + 1][1].strip().startswith("{")):
                        position += 1
                        block.append(numbered[position])
                        depth += numbered[position][1].count("{") - numbered[position][1].count("}")
                    rule.alternatives.append(Alternative(block))
                elif stripped:
                    raise OverlayError(f"{self.path}:{number}: cannot read '{stripped}' inside {rule.name}")
            elif stripped.startswith("%drop"):
                while not stripped.endswith(";"):
                    position += 1
                    if position == len(numbered):
                        raise OverlayError(f"{self.path}:{number}: %drop has no closing ;")
                    stripped += " " + numbered[position][1].strip()
                self.drops.extend(stripped[len("%drop"):-1].split())
                self.chunks.append(("text", pending))
                pending = []
            elif RULE_NAME.match(stripped) and text == stripped:
                if any(kind == "rule" and known.name == stripped for kind, known in self.chunks):
                    raise OverlayError(f"{self.path}:{number}: {stripped} is defined twice")
                rule = Rule(stripped, pending, number)
                pending = []
                self.chunks.append(("rule", rule))
            elif stripped.startswith("/*") or (pending and pending[-1][1].strip() and not pending[-1][1].rstrip().endswith("*/")):
                pending.append((number, text))
            else:
                self.chunks.append(("text", pending + [(number, text)]))
                pending = []
            position += 1
        if rule is not None:
            raise OverlayError(f"{self.path}: {rule.name} has no closing ;")
        if pending:
            self.chunks.append(("text", pending))


def inconsistencies(base, overlay):
    """What keeps the overlay from applying to the base: entries that name
    what the base does not have."""
    found = []
    for name in overlay.drops:
        if name not in base.rules:
            found.append(f"%drop {name}: the base has no such nonterminal")
        elif name in overlay.rules:
            found.append(f"%drop {name}: the overlay also defines it")
    for rule in overlay.rules.values():
        if rule.inherits() and rule.name not in base.rules:
            found.append(f"{rule.name}: inherits, but the base has no such nonterminal")
        if rule.removed() and not rule.inherits():
            found.append(f"{rule.name}: %remove without %inherit")
        if rule.inherits():
            symbols = {alt.symbols for alt in base.rules.get(rule.name, Rule("", [], 0)).alternatives}
            for alt in rule.removed():
                if alt.symbols not in symbols:
                    found.append(f"{rule.name}: %remove {alt.symbols}: the base has no such alternative")
    return found


def added_after(base, overlay):
    """The nonterminals the overlay adds, by the base nonterminal they follow
    in the output: the one the overlay names last before them (None: before
    the first), so that the output keeps the overlay's order."""
    following = {}
    anchor = None
    for rule in overlay.rules.values():
        if rule.name in base.rules:
            anchor = rule.name
        else:
            following.setdefault(anchor, []).append(rule)
    return following


def productions(base, overlay):
    """The later grammar as {nonterminal: [Alternative]} in output order."""
    following = added_after(base, overlay)
    result = {rule.name: rule.own() for rule in following.get(None, [])}
    for kind, rule in base.chunks:
        if kind != "rule" or rule.name in overlay.drops:
            continue
        replacement = overlay.rules.get(rule.name)
        if replacement is None:
            result[rule.name] = rule.alternatives
        elif replacement.inherits():
            removed = {alt.symbols for alt in replacement.removed()}
            result[rule.name] = [alt for alt in rule.alternatives if alt.symbols not in removed] + replacement.own()
        else:
            result[rule.name] = replacement.own()
        for added in following.get(rule.name, []):
            result[added.name] = added.own()
    return result


class Writer:
    """Output lines, with a #line directive wherever the source line that
    comes next does not follow the one written before."""

    def __init__(self):
        self.lines = []
        self.at = None

    def put(self, path, number, text):
        if self.at != (path, number):
            self.lines.append(f'#line {number} "{path}"')
        self.lines.append(text)
        self.at = (path, number + 1)

    def generated(self, text):
        self.lines.append(text)
        self.at = None

    def put_all(self, path, numbered):
        for number, text in numbered:
            self.put(path, number, text)


def write_alternatives(writer, path, alternatives, first):
    """The alternatives, the first opening with ':' when `first`, the others
    with '|'; the Ada 95 rule numbers left out, since they number the base."""
    for alt in alternatives:
        number, text = alt.lines[0]
        body = RULE_NUMBER.sub("", text.strip()[1:].strip())
        writer.put(path(alt), number, f"    {':' if first else '|'} {body}")
        writer.put_all(path(alt), alt.lines[1:])
        first = False


def generate(base, overlay):
    problems = inconsistencies(base, overlay)
    if problems:
        raise OverlayError("; ".join(problems))
    writer = Writer()
    writer.generated(f"/* Generated from {base.path} and {overlay.path} by grammar_overlay.py: edit those. */")
    writer.put_all(base.path, base.declarations)
    writer.put_all(overlay.path, overlay.declarations)
    writer.generated("%%")
    origin = {}

    def path(alt):
        return origin.get(id(alt), base.path)

    for rule in overlay.rules.values():
        for alt in rule.alternatives:
            origin[id(alt)] = overlay.path

    def put_rule(comment_parts, name_source, rule, alternatives):
        for source, comment in comment_parts:
            writer.put_all(source, comment)
        writer.put(name_source, rule.name_line, rule.name)
        write_alternatives(writer, path, alternatives, True)
        writer.generated("    ;")

    def put_added(anchor):
        for rule in following.get(anchor, []):
            writer.generated("")
            put_rule([(overlay.path, rule.comment)], overlay.path, rule, result[rule.name])

    result = productions(base, overlay)
    following = added_after(base, overlay)
    put_added(None)
    for kind, item in base.chunks:
        if kind == "text":
            writer.put_all(base.path, item)
        elif item.name in result:
            replacement = overlay.rules.get(item.name)
            if replacement is None:
                put_rule([(base.path, item.comment)], base.path, item, result[item.name])
            elif replacement.inherits():
                put_rule([(base.path, item.comment), (overlay.path, replacement.comment)], base.path, item,
                         result[item.name])
            else:
                put_rule([(overlay.path, replacement.comment)], overlay.path, replacement, result[item.name])
            put_added(item.name)
    writer.generated("%%")
    return "\n".join(writer.lines) + "\n"


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    try:
        text = generate(Grammar(sys.argv[1]), Grammar(sys.argv[2]))
    except OverlayError as error:
        print(f"grammar_overlay.py: {error}", file=sys.stderr)
        return 1
    with open(sys.argv[3], "w", encoding="utf-8") as out:
        out.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
