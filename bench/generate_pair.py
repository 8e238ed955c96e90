#!/usr/bin/env python3
"""Writes a pair of code-like text files for the benchmarks.

Lines average about 70 bytes; most are unique, some repeat the way code does
(blank lines, braces, short statements). The right file is derived from the
left one by the chosen variant:

  edit       about 1% of the lines changed, inserted or deleted, plus one
             block of 200 lines moved elsewhere
  reversed   the left file's lines in reverse order
  shuffled   the left file's lines in random order
  identical  a copy of the left file

Line ends are CR LF unless --lf is given. The same --seed gives the same pair.
"""

import argparse
import random
import sys

WORDS = (
    "buffer count index value result offset length total width height item "
    "node entry record parent child cursor window range limit state mode "
    "line column start finish source target handle status flags error "
    "config option timer event reader writer stream chunk block marker"
).split()

TYPES = ("int", "long", "bool", "auto", "size_t", "double", "std::string", "const char*")

REPEATED = ("", "", "", "}", "  }", "    }", "{", "  return 0;", "    break;", "  } else {", "#endif")

MOVED_BLOCK = 200


def ident(rng):
    name = rng.choice(WORDS) + "_" + rng.choice(WORDS)
    return name + "_" + rng.choice(WORDS) if rng.random() < 0.6 else name


def code_line(rng, serial):
    indent = " " * (2 * rng.randint(1, 6))
    kind = rng.randrange(6)
    if kind == 0:
        return "%s%s %s%d = %s(%s, %d);" % (
            indent, rng.choice(TYPES), ident(rng), serial, ident(rng), ident(rng), rng.randrange(1000))
    if kind == 1:
        return "%sif (%s%d > %s && !%s(%d)) {" % (
            indent, ident(rng), serial, ident(rng), ident(rng), rng.randrange(100))
    if kind == 2:
        return "%s// %s %s the %s before %s %d" % (
            indent, rng.choice(WORDS).capitalize(), rng.choice(WORDS), ident(rng), ident(rng), serial)
    if kind == 3:
        return "%s%s.%s(%s, \"%s %d\");" % (
            indent, ident(rng), rng.choice(WORDS), ident(rng), rng.choice(WORDS), serial)
    if kind == 4:
        return "%sfor (int i%d = 0; i%d < %s.size(); ++i%d) %s += %s;" % (
            indent, serial, serial, ident(rng), serial, rng.choice(WORDS), ident(rng))
    return "%s\t%s[%d] = %s->%s;\t// %s" % (
        indent, ident(rng), serial, ident(rng), rng.choice(WORDS), rng.choice(WORDS))


def make_left(rng, count):
    lines = []
    for serial in range(count):
        if rng.random() < 0.15:
            lines.append(rng.choice(REPEATED))
        else:
            lines.append(code_line(rng, serial))
    return lines


def edit(rng, left):
    right = []
    serial = len(left)
    for line in left:
        roll = rng.random()
        if roll < 0.004:          # changed
            right.append(line + " // changed")
        elif roll < 0.007:        # deleted
            continue
        elif roll < 0.010:        # inserted before
            right.append(code_line(rng, serial))
            serial += 1
            right.append(line)
        else:
            right.append(line)
    if len(right) > 2 * MOVED_BLOCK:
        start = rng.randrange(len(right) - MOVED_BLOCK)
        block = right[start:start + MOVED_BLOCK]
        del right[start:start + MOVED_BLOCK]
        dest = rng.randrange(len(right) + 1)
        right[dest:dest] = block
    return right


def derive(rng, variant, left):
    if variant == "edit":
        return edit(rng, left)
    if variant == "reversed":
        return left[::-1]
    if variant == "shuffled":
        right = list(left)
        rng.shuffle(right)
        return right
    return list(left)


def write(path, lines, eol):
    with open(path, "wb") as out:
        if lines:
            out.write((eol.join(lines) + eol).encode("latin-1"))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lines", type=int, required=True, help="lines of the left file")
    parser.add_argument("--variant", choices=("edit", "reversed", "shuffled", "identical"), default="edit")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--lf", action="store_true", help="end lines with LF instead of CR LF")
    parser.add_argument("left")
    parser.add_argument("right")
    args = parser.parse_args(argv)
    rng = random.Random(args.seed)
    left = make_left(rng, max(args.lines, 0))
    right = derive(rng, args.variant, left)
    eol = "\n" if args.lf else "\r\n"
    write(args.left, left, eol)
    write(args.right, right, eol)


if __name__ == "__main__":
    main(sys.argv[1:])
