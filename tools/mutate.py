#!/usr/bin/env python3
"""How many of a fixed list of small slips in the native code does the native suite catch?

Each slip of tools/mutations.txt is applied to its file, the native tree is rebuilt
incrementally (build/linux, configured already), the native suite is run, and the file
is put back, always. One line per slip: killed (a test failed), survived (every test
passed), not compiled, or gone (its text is in no file any more); then
"killed K of N (P %)" over the slips that compiled. The slips are tried in an order
shuffled with a fixed seed, so the first N of a run (--sample N, or a run stopped
early: the figure so far is printed) are a fair sample of the list.

A slip names its file and an exact text with its replacement. When the file has moved
or no longer holds the text, the one product file that holds it is used instead, so
the same list runs across a reorganised tree.

    python3 tools/mutate.py                  # the whole list
    python3 tools/mutate.py --only 1-20,35   # some slips, by number
    python3 tools/mutate.py --sample 25      # the first 25 of the fixed order
    python3 tools/mutate.py --list           # where each slip applies, nothing built
"""
import argparse
import random
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SLIPS = ROOT / "tools" / "mutations.txt"
BUILD = ROOT / "build" / "linux"
SEED = 25
PRODUCT = ("catalogue", "store", "browser", "reports", "files", "shell", "cli")
NEWLINE = "\u00b6"  # a line break inside a slip's text
# Checks of the sources' form and of generated files, not of what the code does.
NOT_BEHAVIOUR = ("clang_format|version_in_the_dialogs|dependencies_run_one_way|"
                 "setup_survives_a_half_synced_mirror|_is_generated|dialog_controls_are_generated")


def read_slips():
    """(number, path, original, replacement) for each line "path :: original ==> replacement"."""
    slips = []
    for line in SLIPS.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        path, rest = line.split(" :: ", 1)
        original, replacement = rest.split(" ==>", 1)
        replacement = replacement[1:] if replacement.startswith(" ") else replacement
        slips.append((len(slips) + 1, path.strip(), original.replace(NEWLINE, "\n"),
                      replacement.replace(NEWLINE, "\n")))
    return slips


def product_files():
    for folder in PRODUCT:
        for path in sorted((ROOT / folder).rglob("*")):
            if (path.suffix in (".cpp", ".h") and "win32" not in path.parts
                    and path.name != "card_table.cpp"):
                yield path


def locate(path, original):
    """The file that holds `original` exactly once: `path` itself, or the one product
    file that does; None when it is gone (or held by several)."""
    named = ROOT / path
    if named.is_file() and named.read_text(encoding="utf-8").count(original) == 1:
        return named
    holders = [f for f in product_files() if f.read_text(encoding="utf-8").count(original) == 1]
    return holders[0] if len(holders) == 1 else None


def git_status(path):
    return subprocess.run(["git", "-C", str(ROOT), "status", "--porcelain", "--", str(path)],
                          capture_output=True, text=True, check=True).stdout


def quiet(command, timeout):
    try:
        return subprocess.run(["nice", "-n", "10", *command], cwd=ROOT, timeout=timeout,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return -1


def try_slip(file, original, replacement, test_timeout):
    before_bytes = file.read_bytes()
    before_status = git_status(file)
    try:
        file.write_text(before_bytes.decode("utf-8").replace(original, replacement, 1),
                        encoding="utf-8")
        if quiet(["cmake", "--build", str(BUILD)], 1800) != 0:
            return "not compiled"
        failed = quiet(["ctest", "--test-dir", str(BUILD), "-j", "2", "--timeout",
                        str(test_timeout), "--stop-on-failure", "-E", NOT_BEHAVIOUR],
                       test_timeout * 10)
        return "killed" if failed != 0 else "survived"
    finally:
        file.write_bytes(before_bytes)
        if file.read_bytes() != before_bytes or git_status(file) != before_status:
            sys.exit(f"mutate: {file} was not put back as it was")


def chosen(ranges, count):
    numbers = set()
    for part in ranges.split(","):
        first, _, last = part.partition("-")
        numbers.update(range(int(first), int(last or first) + 1))
    return {n for n in numbers if 1 <= n <= count}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", help="slip numbers, e.g. 1-20,35")
    parser.add_argument("--sample", type=int, help="the first this many of the fixed order")
    parser.add_argument("--list", action="store_true", help="show where each slip applies")
    parser.add_argument("--test-timeout", type=int, default=180, help="seconds per test")
    args = parser.parse_args()
    # A stop by kill is a Ctrl-C too: the file in hand is put back before leaving.
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    slips = read_slips()
    random.Random(SEED).shuffle(slips)
    if args.only:
        numbers = chosen(args.only, len(slips))
        slips = [s for s in slips if s[0] in numbers]
    if args.sample:
        slips = slips[:args.sample]
    if not args.list and not (BUILD / "CMakeCache.txt").is_file():
        sys.exit("mutate: configure build/linux first (cmake --preset linux)")

    tally = {"killed": 0, "survived": 0, "not compiled": 0, "gone": 0}
    survivors = []
    started = time.monotonic()
    done = 0
    try:
        for number, path, original, replacement in slips:
            file = locate(path, original)
            where = file.relative_to(ROOT).as_posix() if file else path
            if file is None:
                outcome = "gone"
            elif args.list:
                outcome = "found"
            else:
                outcome = try_slip(file, original, replacement, args.test_timeout)
            tally[outcome] = tally.get(outcome, 0) + 1
            if outcome == "survived":
                survivors.append(number)
            done += 1
            print(f"{number:3} {outcome:12} {where}: {original!r} -> {replacement!r}", flush=True)
    except KeyboardInterrupt:
        print(f"stopped after {done} of {len(slips)} slips")
    else:
        if args.list:
            return
        # The objects built from the slips are rebuilt from the files as they are.
        quiet(["cmake", "--build", str(BUILD)], 1800)
    tried = tally["killed"] + tally["survived"]
    percent = 100.0 * tally["killed"] / tried if tried else 0.0
    print(f"{tally['gone']} gone, {tally['not compiled']} not compiled; survived: "
          f"{', '.join(map(str, sorted(survivors))) or 'none'}; "
          f"{(time.monotonic() - started) / 60:.0f} min")
    print(f"killed {tally['killed']} of {tried} ({percent:.1f} %)")


if __name__ == "__main__":
    main()
