#!/usr/bin/env python3
"""Planted faults against the whole suite, desktop sessions included, in a fraction of the time.

Runs ../shared/tools/mutation-sample without the session tests, then plants each fault that survived them once more
and runs only the sessions for it: a session takes tens of seconds, and most faults are caught long before it would
start. Prints the sampler's lines, one line per survivor run through the sessions, and the score of the whole suite.

A session that fails with a fault counts as catching it only if it fails a second time with the fault and passes
once the fault is taken out.

Usage (from the project's root): scripts/mutation-with-sessions.py [-n 30] [--seed 1] [--only DIR[,DIR]] [--jobs 2]
                                 [--sessions REGEX] [--survivors FILE:LINE,...]
"""
import argparse
import os
import re
import subprocess
import sys

SAMPLER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "tools", "mutation-sample")


def sampler(args, extra):
    cmd = [sys.executable, os.environ.get("MUTATION_SAMPLE", SAMPLER), "-n", str(args.n), "--seed", str(args.seed),
           "--jobs", str(args.jobs)]
    return cmd + (["--only", args.only] if args.only else []) + extra


def planted_faults(args):
    """file:line -> the line as the sampler plants it, stripped."""
    listing = subprocess.run(sampler(args, ["--list"]), capture_output=True, text=True, check=True).stdout
    faults = {}
    for line in listing.splitlines():
        m = re.match(r"^(\S+):(\d+) (.+?): (.*)$", line)
        if m:
            faults[(m.group(1), int(m.group(2)))] = m.group(4)
    return faults


def run_sessions(work, path, number, planted, args):
    src, build = os.path.join(work, "src"), os.path.join(work, "build")
    with open(os.path.join(src, path), encoding="utf-8", errors="replace") as fh:
        lines = fh.readlines()
    original = lines[number - 1]
    lines[number - 1] = original[: len(original) - len(original.lstrip())] + planted + "\n"
    log = open(os.path.join(work, "sessions-log.txt"), "ab")
    try:
        with open(os.path.join(src, path), "w", encoding="utf-8") as fh:
            fh.writelines(lines)
        if subprocess.run(["cmake", "--build", build, "-j", str(args.jobs)], stdout=log, stderr=log).returncode:
            return "did not compile"
        failed = failing_session(build, args.sessions, log)
        # The first session after a rebuild may time out on a cold machine: a catch must fail twice with the fault.
        flaky = failed if failed and not failing_session(build, "^%s$" % failed, log) else None
    finally:
        lines[number - 1] = original
        with open(os.path.join(src, path), "w", encoding="utf-8") as fh:
            fh.writelines(lines)
        subprocess.run(["cmake", "--build", build, "-j", str(args.jobs)], stdout=log, stderr=log)
    # A session that fails without the fault too (a display left taken, a slow start) caught nothing.
    if flaky:
        verdict = "SURVIVED (%s failed once, then passed with the fault)" % flaky
    elif failed and failing_session(build, "^%s$" % failed, log):
        verdict = "SURVIVED (%s fails without the fault too)" % failed
    else:
        verdict = ("caught by %s" % failed) if failed else "SURVIVED"
    log.close()
    return verdict


def failing_session(build, regex, log):
    """The first session matching regex that fails, or None."""
    result = subprocess.run(["ctest", "--test-dir", build, "-R", regex, "--stop-on-failure", "--timeout", "300"],
                            capture_output=True, text=True)
    log.write(result.stdout.encode())
    failed = re.findall(r"^\s*\d+ - (\S+) \(", result.stdout, re.M)
    return failed[0] if result.returncode and failed else None


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("-n", type=int, default=30)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--only", default="")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--sessions", default="session", help="regex of the session tests")
    ap.add_argument("--survivors", default="",
                    help="FILE:LINE[,FILE:LINE]: only the sessions, for these faults, in MUTATION_DIR as a run left it")
    args = ap.parse_args()
    work = os.environ.get("MUTATION_DIR", "/tmp/mutation-sample-%d" % os.getuid())
    faults = planted_faults(args)
    if args.survivors:
        for entry in args.survivors.split(","):
            path, number = entry.rsplit(":", 1)
            verdict = run_sessions(work, path, int(number), faults[(path, int(number))], args)
            print("sessions: %-30s %s" % (verdict, entry), flush=True)
        return

    caught = planted = 0
    survivors = []
    proc = subprocess.Popen(sampler(args, ["--ctest-args", "-E " + args.sessions]), stdout=subprocess.PIPE, text=True)
    for line in proc.stdout:
        print(line, end="", flush=True)
        m = re.match(r"^(caught by (?:the run|\S+)|SURVIVED)(?: \(flaky: [^)]*\))?\s+(\S+):(\d+) ", line)
        if m:
            planted += 1
            if m.group(1) == "SURVIVED":
                survivors.append((m.group(2), int(m.group(3))))
            else:
                caught += 1
    if proc.wait():
        sys.exit("mutation-with-sessions: the sampler failed")
    # The sampler leaves its copy at the committed files and its build up to date with them.
    for path, number in survivors:
        verdict = run_sessions(work, path, number, faults[(path, number)], args)
        if verdict.startswith("caught"):
            caught += 1
        elif verdict == "did not compile":
            planted -= 1
        print("sessions: %-30s %s:%d" % (verdict, path, number), flush=True)
    pct = 100.0 * caught / planted if planted else 0.0
    print("whole suite, sessions included: caught %d of %d planted faults (%.0f%%)" % (caught, planted, pct))


if __name__ == "__main__":
    main()
