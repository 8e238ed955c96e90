#!/usr/bin/env python3
"""Prints each speed and memory target as a ratio against the tool it is held to.

Every case runs `quorvelin-diff` (or the window, through window_bench) and its
peer tool alternately, round after round, in this one run; the median of the
rounds counts. Peak memory is the largest resident size /usr/bin/time reports.

    bench/targets.py [--build DIR] [--rounds N] [--only NAME ...] [--quick]

DIR is a build directory with quorvelin-diff and window_bench built (default
build/release, configured and built here when missing). --quick uses 100,000
lines where the targets say 1,000,000, for a fast look; its ratios are not
the targets'. Pairs are written to a temporary folder, removed at exit.
"""

import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
# A run that takes longer than this is reported as a timeout.
TIMEOUT_S = 120
MIB = 1024 * 1024


class Run:
    """One process run: wall seconds, peak resident MiB, exit status, and the
    lines it printed (window_bench reports its own figures)."""

    def __init__(self, seconds, peak_mib, status, output):
        self.seconds = seconds
        self.peak_mib = peak_mib
        self.status = status
        self.output = output

    def figure(self, name):
        for line in self.output.splitlines():
            parts = line.split()
            if len(parts) == 2 and parts[0] == name:
                return float(parts[1])
        return float("nan")


def run(command, work, env=None, keep_output=False):
    report = os.path.join(work, "time.txt")
    launched_ns = time.monotonic_ns()
    child_env = dict(os.environ, **(env or {}))
    child_env["QFC_BENCH_LAUNCHED_NS"] = str(launched_ns)
    start = time.perf_counter()
    try:
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + command,
                              stdout=subprocess.PIPE if keep_output else subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, env=child_env, timeout=TIMEOUT_S)
    except subprocess.TimeoutExpired:
        return Run(float("inf"), float("nan"), "timeout", "")
    seconds = time.perf_counter() - start
    with open(report) as lines:
        last = lines.read().strip().splitlines()[-1]
    peak_kib = float(last) if last.isdigit() else float("nan")
    status = done.returncode
    if status < 0 or status >= 128:
        status = "crash"
    output = done.stdout.decode("latin-1") if keep_output else ""
    return Run(seconds, peak_kib / 1024, status, output)


def alternate(commands, rounds, work):
    """Runs each command once per round, in turn, starting with a different
    one every round; answers the runs of each command."""
    runs = {name: [] for name in commands}
    names = list(commands)
    for round_no in range(rounds):
        order = names[round_no % len(names):] + names[:round_no % len(names)]
        for name in order:
            command, env, keep = commands[name]
            runs[name].append(run(command, work, env, keep))
    return runs


def median(runs, attribute="seconds"):
    values = [getattr(r, attribute) for r in runs]
    return statistics.median(values)


def median_figure(runs, name):
    return statistics.median(r.figure(name) for r in runs)


def status_note(runs):
    bad = sorted({str(r.status) for r in runs if r.status not in (0, 1)})
    return "" if not bad else "  [" + ",".join(bad) + "]"


def line(number, case, measure, value, unit_a, base, unit_b, ratio, goal, note=""):
    met = "ok" if ratio <= goal else "MISSED"
    print("%-6s %-28s %-37s %9.3f%-3s %9.3f%-3s %7.2f  <= %-5g %s%s" %
          (number, case, measure, value, unit_a, base, unit_b, ratio, goal, met, note))
    sys.stdout.flush()


def files_mib(*paths):
    return sum(os.path.getsize(p) for p in paths) / MIB


def write_lines(path, lines):
    with open(path, "wb") as out:
        out.write(b"".join(text + b"\r\n" for text in lines))


def generate(work, name, lines, variant):
    left = os.path.join(work, name + ".left.txt")
    right = os.path.join(work, name + ".right.txt")
    subprocess.run([sys.executable, os.path.join(HERE, "generate_pair.py"), "--lines", str(lines),
                    "--variant", variant, "--seed", "1", left, right], check=True)
    return left, right


def empty_lines_pair(work, count):
    """Two identical files of `count` empty CR LF lines."""
    left = os.path.join(work, "empty.left.txt")
    right = os.path.join(work, "empty.right.txt")
    with open(left, "wb") as out:
        out.write(b"\r\n" * count)
    shutil.copyfile(left, right)
    return left, right


def short_lines_pair(work, count):
    """`count` lines of at most two characters from a small set, and a copy
    with about 1% of them changed, inserted or deleted."""
    rng = random.Random(1)
    shapes = [b"", b"", b"}", b"{", b"x"] + [b"%d" % n for n in range(100)]
    left_lines = [rng.choice(shapes) for _ in range(count)]
    right_lines = []
    for text in left_lines:
        roll = rng.random()
        if roll < 0.004:
            right_lines.append(b"y")
        elif roll < 0.007:
            continue
        elif roll < 0.010:
            right_lines.append(b"z")
            right_lines.append(text)
        else:
            right_lines.append(text)
    left = os.path.join(work, "short.left.txt")
    right = os.path.join(work, "short.right.txt")
    write_lines(left, left_lines)
    write_lines(right, right_lines)
    return left, right


def long_line_pair(work, size):
    """One line of `size` bytes without a line end, and a copy of it."""
    left = os.path.join(work, "long%d.left.txt" % size)
    right = os.path.join(work, "long%d.right.txt" % size)
    block = (b"0123456789abcdefghijklmnopqrstuvwxyz" * 30000)
    with open(left, "wb") as out:
        remaining = size
        while remaining > 0:
            piece = block[:remaining]
            out.write(piece)
            remaining -= len(piece)
    shutil.copyfile(left, right)
    return left, right


class Bench:
    def __init__(self, build, rounds, work, quick):
        self.qdiff = os.path.join(build, "src", "cli", "quorvelin-diff")
        self.window = os.path.join(build, "bench", "window_bench")
        self.rounds = rounds
        self.work = work
        self.big = 100000 if quick else 1000000
        self.many = 1000000 if quick else 10000000
        self.big_name = "%dk" % (self.big // 1000) if self.big < 1000000 else "%dM" % (self.big // 1000000)
        self.pairs = {}

    def pair(self, variant):
        if variant not in self.pairs:
            self.pairs[variant] = generate(self.work, variant, self.big, variant)
        return self.pairs[variant]

    def window_command(self, left, right):
        return ([self.window, left, right], {"QT_QPA_PLATFORM": "offscreen"}, True)

    def edit(self):
        for lines, goal in ((self.big, 0.5), (100000, 0.7))[:1 if self.big == 100000 else 2]:
            left, right = generate(self.work, "edit%d" % lines, lines, "edit") \
                if lines != self.big else self.pair("edit")
            runs = alternate({"q": ([self.qdiff, left, right], None, False),
                              "diff": (["diff", "-u", left, right], None, False)},
                             self.rounds, self.work)
            name = "edit %s" % ("%dk" % (lines // 1000) if lines < 1000000 else "%dM" % (lines // 1000000))
            q, d = median(runs["q"]), median(runs["diff"])
            line("1", name, "time quorvelin-diff / diff -u", q, "s", d, "s", q / d, goal,
                 status_note(runs["q"]))
            if lines == self.big:
                peak, size = median(runs["q"], "peak_mib"), files_mib(left, right)
                dpeak = median(runs["diff"], "peak_mib")
                line("1", name, "peak memory / both files", peak, "MB", size, "MB", peak / size, 1.5,
                     "  (diff -u: %.2f)" % (dpeak / size))

    def identical(self):
        left, right = self.pair("identical")
        runs = alternate({"q": ([self.qdiff, left, right], None, False),
                          "diff": (["diff", left, right], None, False)}, self.rounds, self.work)
        q, d = median(runs["q"]), median(runs["diff"])
        line("2", "identical " + self.big_name, "time quorvelin-diff / diff", q, "s", d, "s", q / d, 2,
             status_note(runs["q"]))

    def reordered(self):
        for variant in ("reversed", "shuffled"):
            left, right = self.pair(variant)
            runs = alternate({"q": ([self.qdiff, left, right], None, False),
                              "git": (["git", "diff", "--no-index", "--patience", left, right],
                                      None, False)}, self.rounds, self.work)
            q, g = median(runs["q"]), median(runs["git"])
            line("3", variant + " " + self.big_name, "time quorvelin-diff / git --patience", q, "s",
                 g, "s", q / g, 0.8, status_note(runs["q"]))

    def window_edit(self):
        left, right = self.pair("edit")
        runs = alternate({"w": self.window_command(left, right),
                          "diff": (["diff", "-u", left, right], None, False)}, self.rounds, self.work)
        shown, d = median_figure(runs["w"], "launch_to_shown_s"), median(runs["diff"])
        case = "window edit " + self.big_name
        line("4", case, "shown / diff -u time", shown, "s", d, "s", shown / d, 2, status_note(runs["w"]))
        peak, size = median(runs["w"], "peak_mib"), files_mib(left, right)
        line("4", case, "peak memory / both files", peak, "MB", size, "MB", peak / size, 2)
        for figure in ("next_difference_ms", "scroll_to_end_ms"):
            value = median_figure(runs["w"], figure)
            line("4", case, figure.replace("_ms", "").replace("_", " ") + " / 50 ms", value, "ms",
                 50, "ms", value / 50, 1)

    def window_long_lines(self):
        # The line against itself (one file named on both sides, as the target
        # reads) and against a copy of it (two files, held to their sum).
        for size in (30 * 1000 * 1000, 200 * 1000 * 1000):
            left, right = long_line_pair(self.work, size)
            for against, right_path, files in (("itself", left, 1), ("a copy", right, 2)):
                runs = alternate({"w": self.window_command(left, right_path)},
                                 max(1, self.rounds // 2), self.work)
                case = "window %d MB line, %s" % (size // 1000000, against)
                shown = median_figure(runs["w"], "launch_to_shown_s")
                line("5", case, "shown / 2 s", shown, "s", 2, "s", shown / 2, 1,
                     status_note(runs["w"]))
                peak = median(runs["w"], "peak_mib")
                measure = "peak memory / file" if files == 1 else "peak memory / both files"
                size_mib = files * size / MIB
                line("5", case, measure, peak, "MB", size_mib, "MB", peak / size_mib, 3)
            os.remove(left)
            os.remove(right)

    def window_short_lines(self):
        left, right = short_lines_pair(self.work, self.many)
        runs = alternate({"w": self.window_command(left, right),
                          "diff": (["diff", "-u", left, right], None, False)},
                         max(1, self.rounds // 2), self.work)
        shown, d = median_figure(runs["w"], "launch_to_shown_s"), median(runs["diff"])
        line("5", "window %dM short lines" % (self.many // 1000000), "shown / diff -u time", shown, "s",
             d, "s", shown / d, 2, status_note(runs["w"]))

    def empty_lines(self):
        left, right = empty_lines_pair(self.work, self.many)
        size = files_mib(left, right)
        runs = alternate({"q": ([self.qdiff, left, right], None, False),
                          "w": self.window_command(left, right)}, max(1, self.rounds // 2), self.work)
        case = "%dM empty lines" % (self.many // 1000000)
        peak = median(runs["q"], "peak_mib")
        line("14.5", case, "quorvelin-diff peak / both files", peak, "MB", size, "MB", peak / size, 8,
             status_note(runs["q"]))
        peak = median(runs["w"], "peak_mib")
        line("14.5", case, "window peak / both files", peak, "MB", size, "MB", peak / size, 16,
             status_note(runs["w"]))


CASES = ("edit", "identical", "reordered", "window_edit", "window_long_lines",
         "window_short_lines", "empty_lines")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "release"))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--only", nargs="+", choices=CASES, default=list(CASES))
    parser.add_argument("--quick", action="store_true")
    args = parser.parse_args(argv)

    if not os.path.exists(os.path.join(args.build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", args.build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DQFC_TESTS=OFF"], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", args.build, "-j2", "--target", "quorvelin-diff",
                    "window_bench"], check=True, stdout=subprocess.DEVNULL)

    print("%-6s %-28s %-37s %12s %12s %7s  %-8s" %
          ("target", "case", "measure", "measured", "against", "ratio", "goal"))
    work = tempfile.mkdtemp(prefix="qfc-bench-")
    try:
        bench = Bench(args.build, args.rounds, work, args.quick)
        for case in CASES:
            if case in args.only:
                getattr(bench, case)()
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main(sys.argv[1:])
