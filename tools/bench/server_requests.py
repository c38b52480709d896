#!/usr/bin/env python3
"""Counts the wineserver requests of marked start-up steps in a server trace.

Under Wine nearly every window, property, region and device-context operation is a
round trip to the wineserver, and start-up time follows the number of those trips
closely. Unlike a time, the count is the same on every run, so it shows what a change
to the start-up really saves.

Usage: server_requests.py PROGRAM_LABEL=TRACE FLOOR_LABEL=TRACE [FLOOR_LABEL=TRACE ...]
Each TRACE is the wineserver's output with WINEDEBUG=+server (lines "TTTT: request( ... )")
of a session in which the labelled program ran. The programs mark their steps with a
look-up of an atom "zelmora-step NAME" (tools/bench/floor.cpp, MarkStep). The marked
thread is counted from its process's start to its mark "idle", split at its marks
("loading" is everything before main); the marks' own look-ups are not counted.
"""
import re
import sys

REQUEST = re.compile(r"^([0-9a-f]{4}): ([a-z_]+)\( (.*)$")
MARK = re.compile(r'name=L"zelmora-step ([a-z0-9-]+)"')


def marked_thread(lines):
    """The id of the thread that leaves the first mark, or None."""
    for line in lines:
        m = REQUEST.match(line)
        if m and m.group(2) == "find_atom" and MARK.search(m.group(3)):
            return m.group(1)
    return None


def steps_of(lines, thread):
    """[(step name, requests)] of one thread: 'loading' before its first mark, then one
    entry per mark with the requests made since the mark before it, up to 'idle'."""
    # The thread id may have served another process earlier in the session: start at
    # its last process start before the first mark.
    start = 0
    for number, line in enumerate(lines):
        if line.startswith(thread + ": init_first_thread("):
            start = number
        m = MARK.search(line)
        if m and line.startswith(thread + ": find_atom("):
            break
    steps, count, name = [], 0, "loading"
    for line in lines[start:]:
        m = REQUEST.match(line)
        if not m or m.group(1) != thread:
            continue
        mark = MARK.search(m.group(3)) if m.group(2) == "find_atom" else None
        if mark:
            steps.append((name if name == "loading" else mark.group(1), count))
            count, name = 0, mark.group(1)
            if name == "idle":
                break
            continue
        count += 1
    return steps


def main():
    if len(sys.argv) < 3 or not all("=" in a for a in sys.argv[1:]):
        sys.exit("usage: server_requests.py PROGRAM_LABEL=TRACE FLOOR_LABEL=TRACE [FLOOR_LABEL=TRACE ...]")
    labels, loading, totals = [], [], []
    for argument in sys.argv[1:]:
        label, path = argument.split("=", 1)
        labels.append(label)
        with open(path, encoding="utf-8", errors="replace") as trace:
            lines = trace.read().splitlines()
        thread = marked_thread(lines)
        if thread is None:
            sys.exit(f"server_requests.py: no marks of {label} in {path}")
        steps = steps_of(lines, thread)
        if not steps or steps[-1][0] != "idle":
            sys.exit(f"server_requests.py: {label} never reached its mark 'idle'")
        # From the process's start: a program that imports more DLLs does part of its
        # work (the DLLs' own start-up, user32's first use) before main.
        total = sum(n for _, n in steps)
        totals.append(total)
        loading.append(steps[0][1])
        parts = " ".join(f"{name} {n}" for name, n in steps)
        print(f"requests {label}: {parts}; from process start to idle {total}")
    for i in range(1, len(labels)):
        print(f"requests ratio {labels[0]} / {labels[i]} = {totals[0] / totals[i]:.2f}"
              f" (loading before the first instruction {loading[0]} against {loading[i]})")


if __name__ == "__main__":
    main()
