#!/usr/bin/env python3
"""Kills cardhold-cli with SIGKILL at random moments of its saves and checks that the
file it writes is never missing and never torn.

    tools/save_kill_test.py [--kills N] [--saves N] [--seed S] -- PROGRAM...

PROGRAM is the command that runs cardhold-cli: the native build, or Wine and
cardhold-cli.exe. The program alternately runs `import-csv X.csv -o decks.tvn` and
`export-csv X.tvn -o export.csv`, each time writing the other of two versions over
the one on disk. A kill phase sends SIGKILL at a random moment near the save (the
moments follow where the save lies: later after a kill that came before it, earlier
after one that came after it); after each kill the target must hold exactly the old
version or the new one, with its mode unchanged. A save phase then lets the program
save unkilled. A reader loops over both targets all the while and must never find
one missing or holding anything but a whole version.

Exits 1 on any fault, and prints the figures: kills, kills that left the temporary
file (inside the save), targets missing, torn or with a changed mode; reads, misses.
"""
import argparse
import multiprocessing
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

DECK_FILE_SIZE = 33480
MODE = 0o644


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--kills", type=int, default=1000, help="SIGKILLs to send")
    parser.add_argument("--saves", type=int, default=40, help="unkilled saves afterwards")
    parser.add_argument("--seed", type=int, default=None, help="for the random moments")
    parser.add_argument("program", nargs="+", help="the command that runs cardhold-cli")
    return parser.parse_args()


def run(program, *arguments):
    done = subprocess.run([*program, *arguments], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE)
    if done.returncode != 0:
        sys.exit(f"{' '.join(arguments)} failed ({done.returncode}): {done.stderr.decode()}")


def read(name):
    with open(name, "rb") as file:
        return file.read()


def write(name, data):
    """In one rename, so that the reader never sees the script's own writes torn."""
    with open(name + ".new", "wb") as file:
        file.write(data)
    os.chmod(name + ".new", MODE)
    os.replace(name + ".new", name)


def counts_csv(all_cards_csv, pattern):
    """The exported table of every card with deck counts from `pattern`."""
    lines = all_cards_csv.split(b"\r\n")
    rows = [lines[0]]
    for number, line in enumerate(lines[1:]):
        if not line:
            continue
        cells = line.split(b",")
        counts = [str(pattern(number, deck)).encode() for deck in range(5)]
        rows.append(b",".join([cells[0], *counts]))
    return b"id,deck1,deck2,deck3,deck4,deck5\r\n" + b"\r\n".join(rows[1:]) + b"\r\n"


class Job:
    """One command writing one target in either of two versions."""

    def __init__(self, command, target, inputs, outputs, options=()):
        self.command, self.target = command, target
        self.inputs, self.outputs = inputs, outputs  # version -> input name, bytes
        self.options = list(options)

    def arguments(self, version):
        return [self.command, self.inputs[version], "-o", self.target, *self.options]

    def version_on_disk(self):
        data = read(self.target)
        return next((v for v, bytes_ in self.outputs.items() if bytes_ == data), None)


def prepare(program):
    """Inputs and the bytes each version of each target must have."""
    write("zero.tvn", bytes(DECK_FILE_SIZE))
    run(program, "export-csv", "zero.tvn", "-o", "all.csv")
    table = read("all.csv")[3:]  # without the byte-order mark
    write("a.csv", counts_csv(table, lambda card, deck: (card + deck) % 4))
    write("b.csv", counts_csv(table, lambda card, deck: (card * 7 + deck) % 255))
    for version in "ab":
        run(program, "import-csv", f"{version}.csv", "-o", f"{version}.tvn")
        run(program, "export-csv", f"{version}.tvn", "-o", f"{version}-export.csv")
    jobs = [
        # --replace: every count from the CSV, as an existing deck file needs it said.
        Job("import-csv", "decks.tvn", {"a": "a.csv", "b": "b.csv"},
            {v: read(f"{v}.tvn") for v in "ab"}, ["--replace"]),
        Job("export-csv", "export.csv", {"a": "a.tvn", "b": "b.tvn"},
            {v: read(f"{v}-export.csv") for v in "ab"}),
    ]
    for job in jobs:
        write(job.target, job.outputs["a"])
    return jobs


def reader(targets, stop, reads, misses, torn):
    """Loops over the targets until told to stop; shares its counts when it does."""
    os.nice(10)  # the program under test comes first
    counted = [0, 0, 0]
    while not stop.is_set():
        for name, versions in targets:
            try:
                data = read(name)
            except FileNotFoundError:
                counted[1] += 1
                continue
            counted[0] += 1
            if data not in versions:
                counted[2] += 1
    reads.value, misses.value, torn.value = counted


def temporary_files():
    return [name for name in os.listdir(".") if name.startswith("~ch") and name.endswith(".tmp")]


class Figures:
    def __init__(self):
        self.kills = self.inside = self.missing = self.torn = self.mode = self.failed = 0


def check_target(job, old, new, figures):
    """What a kill or a save left; returns 'old', 'new' or None."""
    if not os.path.exists(job.target):
        figures.missing += 1
        print(f"MISSING: {job.target}", file=sys.stderr)
        write(job.target, job.outputs[old])
        return None
    version = job.version_on_disk()
    if version is None:
        figures.torn += 1
        print(f"TORN: {job.target} ({os.path.getsize(job.target)} bytes)", file=sys.stderr)
        write(job.target, job.outputs[old])
        return None
    if os.stat(job.target).st_mode & 0o7777 != MODE:
        figures.mode += 1
        print(f"MODE: {job.target} {os.stat(job.target).st_mode & 0o7777:o}", file=sys.stderr)
        os.chmod(job.target, MODE)
    return "old" if version == old else "new"


def median_run_time(program, job):
    times = []
    for _ in range(5):
        old = job.version_on_disk()
        new = "b" if old == "a" else "a"
        start = time.monotonic()
        run(program, *job.arguments(new))
        times.append(time.monotonic() - start)
    return sorted(times)[2]


def descendants(pid):
    """The processes below pid (a runner's program), where /proc lists children."""
    try:
        with open(f"/proc/{pid}/task/{pid}/children") as children:
            found = [int(child) for child in children.read().split()]
    except OSError:
        return []
    return found + [below for child in found for below in descendants(child)]


def wait_until_ended(pids):
    """A runner's program dies after the runner: inspect the files only once it has."""
    for pid in pids:
        while True:
            try:
                with open(f"/proc/{pid}/stat") as stat:
                    if stat.read().rsplit(")", 1)[1].split()[0] in ("Z", "X"):
                        break
            except OSError:
                break
            time.sleep(0.001)


def kill_phase(program, jobs, count, figures, rng):
    # Where the save lies, as a moment after the start; moved by what each kill found.
    moment = {job.command: 0.9 * median_run_time(program, job) for job in jobs}
    turn = 0
    while figures.kills < count:
        job = jobs[turn % len(jobs)]
        turn += 1
        old = job.version_on_disk()
        new = "b" if old == "a" else "a"
        process = subprocess.Popen([*program, *job.arguments(new)], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(moment[job.command] * rng.uniform(0.85, 1.15))
        below = descendants(process.pid)
        process.send_signal(signal.SIGKILL)
        killed = process.wait() == -signal.SIGKILL
        wait_until_ended(below)
        left = temporary_files()
        for name in left:
            os.remove(name)
        found = check_target(job, old, new, figures)
        if killed:
            figures.kills += 1
            figures.inside += bool(left)
        if found == "new":
            moment[job.command] *= 0.97 if killed else 0.85
        elif found == "old" and not left:
            moment[job.command] *= 1.03


def save_phase(program, jobs, count, figures):
    for turn in range(count):
        job = jobs[turn % len(jobs)]
        old = job.version_on_disk()
        new = "b" if old == "a" else "a"
        done = subprocess.run([*program, *job.arguments(new)], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        if done.returncode != 0 or check_target(job, old, new, figures) != "new":
            figures.failed += 1
            print(f"FAILED SAVE: {' '.join(job.arguments(new))}", file=sys.stderr)


def main():
    options = parse_arguments()
    program = [os.path.abspath(part) if os.path.exists(part) else part
               for part in options.program]
    seed = options.seed if options.seed is not None else random.randrange(1 << 30)
    rng = random.Random(seed)
    os.umask(0o022)
    with tempfile.TemporaryDirectory(prefix="cardhold-kill-") as work:
        os.chdir(work)
        jobs = prepare(program)
        stop = multiprocessing.Event()
        reads, misses, torn = (multiprocessing.Value("q", 0) for _ in range(3))
        targets = [(job.target, set(job.outputs.values())) for job in jobs]
        looping = multiprocessing.Process(target=reader,
                                          args=(targets, stop, reads, misses, torn))
        looping.start()
        figures = Figures()
        try:
            kill_phase(program, jobs, options.kills, figures, rng)
            save_phase(program, jobs, options.saves, figures)
        finally:
            stop.set()
            looping.join()
        os.chdir("/")
    print(f"seed {seed}: {figures.kills} kills ({figures.inside} inside the save, "
          f"leaving the temporary file), {figures.missing} missing, {figures.torn} torn, "
          f"{figures.mode} with another mode; {options.saves} saves, {figures.failed} failed; "
          f"reader: {reads.value} reads, {misses.value} missing, {torn.value} torn")
    faults = (figures.missing + figures.torn + figures.mode + figures.failed + misses.value +
              torn.value)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
