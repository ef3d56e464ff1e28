# SPDX-License-Identifier: BSL-1.0
"""The mutants of scripts/mutation.sh: where a fault can be planted, and planting it.

  mutants.py list SEED FILE...   every mutant of the files, shuffled by SEED, one a line:
                                 FILE OFFSET LENGTH REPLACEMENT LINE CHANGE, separated
                                 by the unit separator \x1f, with
                                 REPLACEMENT as a JSON string
  mutants.py plant FILE OFFSET LENGTH REPLACEMENT

The files are read as clang-format writes them: a binary operator has a space
on each side, so "a < b" is a comparison and "std::min<int>(" is not.
Comments, string literals and preprocessor lines are never touched. Kinds:
comparison flipped, boundary moved by one, condition negated (if and while
conditions, "!", "&&" and "||"), statement removed (an expression statement,
"throw", "continue", "break" or "return;" in a function body; never a
declaration) and constant changed (an integer or character literal, true and
false).
"""
import json
import random
import re
import sys

TOKEN = re.compile(
    r"""(?P<preprocessor>(?<![^\n])[ \t]*\#[^\n]*)
    |(?P<space>\n|[ \t\r\f\v]+)
    |(?P<comment>//[^\n]*|/\*.*?\*/)
    |(?P<string>(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
    |(?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')
    |(?P<number>\.?\d(?:[\w.']|[eEpP][+-])*)
    |(?P<name>[A-Za-z_]\w*)
    |(?P<op>::|->|\+\+|--|<<=|>>=|<=|>=|==|!=|&&|\|\||<<|>>|[-+*/%&|^!~=<>?:;,.(){}\[\]])""",
    re.VERBOSE | re.DOTALL)

FLIPPED = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
MOVED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
# A "{" after one of these opens a function body or a statement block.
OPENS_BODY = {")", "else", "try", "do", "const", "noexcept", "override"}
# Statements that begin with one of these are kept: declarations and control
# structures, whose removal says nothing or does not compile.
KEPT_STATEMENTS = {
    "auto", "const", "constexpr", "static", "using", "typedef", "if", "for", "while",
    "switch", "case", "default", "do", "else", "try", "catch", "static_assert", "return",
    "namespace", "template", "class", "struct", "enum", "public", "private", "protected",
}


class Token:
    def __init__(self, kind, text, start):
        self.kind, self.text, self.start = kind, text, start

    @property
    def end(self):
        return self.start + len(self.text)


def tokens_of(source):
    result = []
    for match in TOKEN.finditer(source):
        kind = match.lastgroup
        if kind not in ("space", "comment", "preprocessor"):
            result.append(Token(kind, match.group(), match.start()))
    return result


def matching(tokens, index, opening, closing):
    depth = 0
    for position in range(index, len(tokens)):
        if tokens[position].text == opening:
            depth += 1
        elif tokens[position].text == closing:
            depth -= 1
            if depth == 0:
                return position
    raise ValueError("unbalanced " + opening)


def is_binary(source, token):
    return source[token.start - 1:token.start].isspace() and source[token.end:token.end + 1].isspace()


def is_declaration(statement):
    """A name, perhaps qualified and with template arguments, then a name."""
    texts = [token.text for token in statement]
    if statement[0].kind != "name" or texts[0] in ("throw", "delete", "goto"):
        return False
    position = 1
    while position + 1 < len(texts) and texts[position] == "::":
        position += 2
    if position < len(texts) and texts[position] == "<":
        depth = 0
        while position < len(texts):
            depth += {"<": 1, ">": -1, ">>": -2}.get(texts[position], 0)
            position += 1
            if depth <= 0:
                break
    while position < len(texts) and texts[position] in ("&", "*", "const"):
        position += 1
    return position < len(texts) and statement[position].kind == "name"


def changed_constant(token):
    if token.text in ("true", "false"):
        return "false" if token.text == "true" else "true"
    if token.kind == "number":
        match = re.fullmatch(r"(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)", token.text)
        if match:
            value = int(match.group(1), 0) + 1
            digits = hex(value) if match.group(1).lower().startswith("0x") else str(value)
            return digits + match.group(2)
    if token.kind == "char":
        match = re.fullmatch(r"((?:u8|u|U|L)?')([ -~])'", token.text)
        if match and match.group(2) not in "\\'~":
            return match.group(1) + chr(ord(match.group(2)) + 1) + "'"
    return None


def statements_removed(source, tokens):
    """Each removable statement of a function body, as (start token, end token)."""
    found = []
    body = []  # for each open "{": whether it is a block of statements
    statement_start = None
    parens = 0
    for index, token in enumerate(tokens):
        text = token.text
        previous = tokens[index - 1].text if index else ""
        if text in ("(", "["):
            parens += 1
        elif text in (")", "]"):
            parens -= 1
        elif text == "{" and parens == 0:
            inside = bool(body) and body[-1]
            body.append(previous in OPENS_BODY or (inside and previous in ("{", ";", "}")))
            if body[-1]:
                statement_start = index + 1
            continue
        elif text == "}" and parens == 0:
            if body.pop() and body and body[-1]:
                statement_start = index + 1
            continue
        if text == ";" and parens == 0 and body and body[-1]:
            if statement_start is not None and statement_start < index:
                statement = tokens[statement_start:index + 1]
                first = statement[0].text
                removable = first not in KEPT_STATEMENTS or (first == "return" and len(statement) == 2)
                if removable and not is_declaration(statement):
                    found.append((statement[0], token))
            statement_start = index + 1
    return found


def mutants_of(path):
    source = open(path, encoding="utf-8", newline="").read()
    tokens = tokens_of(source)
    found = []

    def add(start, end, replacement, change):
        line = source.count("\n", 0, start) + 1
        found.append((path, start, end - start, replacement, line, change))

    # What static_assert checks is decided while compiling: never a site.
    compile_time = set()
    for index, token in enumerate(tokens):
        if token.text == "static_assert":
            compile_time.update(range(index, matching(tokens, index + 1, "(", ")") + 1))
    for index, token in enumerate(tokens):
        text = token.text
        previous = tokens[index - 1].text if index else ""
        if index in compile_time:
            continue
        if text in FLIPPED and previous != "operator" and is_binary(source, token):
            add(token.start, token.end, FLIPPED[text], f"'{text}' -> '{FLIPPED[text]}'")
            if text in MOVED:
                add(token.start, token.end, MOVED[text], f"'{text}' -> '{MOVED[text]}'")
        elif text in ("&&", "||") and is_binary(source, token):
            other = "||" if text == "&&" else "&&"
            add(token.start, token.end, other, f"'{text}' -> '{other}'")
        elif text == "!" and tokens[index + 1].text != "=":
            add(token.start, token.end, "", "'!' removed")
        elif text in ("if", "while") and tokens[index + 1].text == "(":
            close = matching(tokens, index + 1, "(", ")")
            first, last = tokens[index + 2].start, tokens[close - 1].end
            condition = source[first:last]
            add(first, last, f"!({condition})", f"{text} condition negated")
        else:
            replacement = changed_constant(token)
            if replacement is not None:
                add(token.start, token.end, replacement, f"{text} -> {replacement}")
    for first, last in statements_removed(source, tokens):
        text = " ".join(source[first.start:last.end].split())
        if len(text) > 60:
            text = text[:57] + "..."
        add(first.start, last.end, "", f"statement removed: {text}")
    return found


def main(arguments):
    if arguments[:1] == ["list"] and len(arguments) >= 3:
        mutants = [mutant for path in sorted(arguments[2:]) for mutant in mutants_of(path)]
        random.Random(int(arguments[1])).shuffle(mutants)
        for path, offset, length, replacement, line, change in mutants:
            fields = (path, offset, length, json.dumps(replacement), line, change)
            print("\x1f".join(map(str, fields)))
        return 0
    if arguments[:1] == ["plant"] and len(arguments) == 5:
        path, offset, length = arguments[1], int(arguments[2]), int(arguments[3])
        replacement = json.loads(arguments[4])
        source = open(path, encoding="utf-8", newline="").read()
        with open(path, "w", encoding="utf-8", newline="") as file:
            file.write(source[:offset] + replacement + source[offset + length:])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
