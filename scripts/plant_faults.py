#!/usr/bin/env python3
"""Plants small faults in src/ and res/ one at a time and reports how many the tests catch.

Run by hand, not in CI:

    scripts/plant_faults.py --seed 7 -n 60
    scripts/plant_faults.py --seed 7 -n 60 --only src/skin/ res/   # just those chosen faults

The checkout's tracked files are copied to a work folder (default: a new temporary folder), built
once, and checked green. Then each fault is planted, the build is updated incrementally and the
whole suite runs. A fault is caught when a test fails; one the compiler refuses is listed but
not counted, since it never reaches a test. The same seed over the same tree picks the same faults.
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

SOURCE_FOLDERS = ("src", "res")
SOURCE_SUFFIXES = (".cpp", ".h", ".inc")

# Each operator is only taken with spaces around it, the way clang-format writes binary operators,
# which keeps template brackets, pointers and shifts out.
OPERATOR_SWAPS = [
    (" <= ", " < "),
    (" >= ", " > "),
    (" < ", " <= "),
    (" > ", " >= "),
    (" == ", " != "),
    (" != ", " == "),
    (" && ", " || "),
    (" || ", " && "),
    (" + 1", " - 1"),
    (" - 1", " + 1"),
]
WORD_SWAPS = [("true", "false"), ("false", "true")]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")


def code_part(line):
    """The part of a line that is code: no comment, no preprocessor line."""
    if line.lstrip().startswith(("#", "//", "*", "/*")):
        return ""
    cut = line.find("//")
    return line if cut < 0 else line[:cut]


def outside_strings(line, start, end):
    """Whether [start, end) lies outside string and character literals."""
    inside = None
    i = 0
    while i < start:
        c = line[i]
        if inside:
            if c == "\\":
                i += 1
            elif c == inside:
                inside = None
        elif c in "\"'":
            inside = c
        i += 1
    return inside is None and '"' not in line[start:end]


def fault_sites(root):
    """Every place a fault can be planted, in a fixed order: (path, line, column, old, new)."""
    sites = []
    for folder in SOURCE_FOLDERS:
        for directory, _, files in sorted(os.walk(os.path.join(root, folder))):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    lines = f.read().split("\n")
                for number, line in enumerate(lines):
                    code = code_part(line)
                    for old, new in OPERATOR_SWAPS:
                        for m in re.finditer(re.escape(old), code):
                            if outside_strings(line, m.start(), m.end()):
                                sites.append((path, number, m.start(), old, new))
                    for old, new in WORD_SWAPS:
                        for m in re.finditer(r"\b%s\b" % old, code):
                            if outside_strings(line, m.start(), m.end()):
                                sites.append((path, number, m.start(), old, new))
                    for m in NUMBER.finditer(code):
                        if outside_strings(line, m.start(), m.end()):
                            value = m.group(1)
                            sites.append((path, number, m.start(), value, str(int(value, 10) + 1)))
    return sites


def fault_label(path, line, column, old, new):
    return f"{path}:{line + 1}:{column + 1}  '{old.strip()}' -> '{new.strip()}'"


def run(command, cwd, timeout=None):
    try:
        done = subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
        return done.returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("-n", type=int, default=60, help="faults to plant")
    parser.add_argument("--work", help="work folder (default: a new temporary one)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--test-timeout", type=int, default=300, help="seconds for one run of the suite")
    parser.add_argument("--list", action="store_true", help="only list the chosen faults")
    parser.add_argument("--only", nargs="+", metavar="TEXT",
                        help="plant only the chosen faults whose line in --list contains one of these texts")
    args = parser.parse_args()

    checkout = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    sites = fault_sites(checkout)
    chosen = sorted(random.Random(args.seed).sample(sites, min(args.n, len(sites))))
    if args.only:
        chosen = [site for site in chosen if any(text in fault_label(*site) for text in args.only)]
    print(f"{len(sites)} places to plant a fault; {len(chosen)} chosen with seed {args.seed}")
    if args.list:
        for site in chosen:
            print("  " + fault_label(*site))
        return 0

    work = args.work or tempfile.mkdtemp(prefix="vorlune-faults-")
    tracked = subprocess.run(["git", "ls-files"], cwd=checkout, capture_output=True, text=True, check=True)
    for name in tracked.stdout.splitlines():
        source, target = os.path.join(checkout, name), os.path.join(work, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if os.path.islink(source):  # a tracked link, such as a corpus shared by two harnesses
            if not os.path.lexists(target):
                os.symlink(os.readlink(source), target)
        elif os.path.isfile(source):
            shutil.copy2(source, target)
    build = os.path.join(work, "build")
    configure = ["cmake", "-G", "Ninja", "-Wno-dev", "-S", work, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
    if shutil.which("ccache"):
        configure.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    compile_all = ["cmake", "--build", build, "-j", str(args.jobs)]
    test_all = ["ctest", "--test-dir", build, "-j", str(args.jobs), "--stop-on-failure", "--timeout", "120"]
    if run(configure, work) or run(compile_all, work):
        sys.exit("the unchanged checkout does not build in " + work)
    if run(test_all, work, args.test_timeout):
        sys.exit("the unchanged checkout's tests fail in " + work)

    caught, survived, refused = [], [], []
    started = time.time()
    for index, (path, line, column, old, new) in enumerate(chosen, 1):
        file = os.path.join(work, path)
        with open(file, encoding="utf-8") as f:
            original = f.read()
        lines = original.split("\n")
        text = lines[line]
        lines[line] = text[:column] + new + text[column + len(old):]
        with open(file, "w", encoding="utf-8") as f:
            f.write("\n".join(lines))
        label = fault_label(path, line, column, old, new)
        if run(compile_all, work):
            refused.append(label)
            outcome = "refused by the compiler"
        elif run(test_all, work, args.test_timeout):
            caught.append(label)
            outcome = "caught"
        else:
            survived.append(label)
            outcome = "SURVIVED"
        with open(file, "w", encoding="utf-8") as f:
            f.write(original)
        print(f"[{index:3}/{len(chosen)}] {outcome:24} {label}", flush=True)
    run(compile_all, work)

    counted = len(caught) + len(survived)
    share = 100.0 * len(caught) / counted if counted else 0.0
    print()
    print(f"seed {args.seed}, {len(chosen)} faults, {time.time() - started:.0f} s")
    print(f"| caught | survived | refused by the compiler | share caught |")
    print(f"| {len(caught)} | {len(survived)} | {len(refused)} | {share:.1f} % |")
    if survived:
        print("\nsurvivors:")
        for label in survived:
            print("  " + label)
    return 0


if __name__ == "__main__":
    sys.exit(main())
