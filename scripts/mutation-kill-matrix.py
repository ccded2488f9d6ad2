#!/usr/bin/env python3
"""Which unit tests fail for each planted fault: the evidence for cutting a test that catches nothing alone.

Plants the faults ../shared/tools/mutation-sample would plant for each seed given (the same -n faults per seed), one
at a time, in a copy of the committed tree, and runs the whole unit suite for each without stopping at the first
failure. Writes one JSON line per fault to OUT: where, what, whether it compiled, and the tests that failed. The
first line names the tree and the tests that fail on it unchanged: those count for no fault. A test counts for a
fault only when it fails again in a second run of the tests that failed, so a timing flake is not taken for a
catch. It shares MUTATION_DIR's copy and build with the sampler: do not run both on the same folder at once.

Usage (from the project's root): scripts/mutation-kill-matrix.py OUT.jsonl SEED [SEED ...]
    environment: N (faults per seed, 20), MUTATION_DIR (the copy, as for the sampler), ONLY (top-level folders
    to draw from, comma-separated, as the sampler's --only; the default draws from the whole tree)
"""
import importlib.machinery
import importlib.util
import json
import os
import random
import re
import subprocess
import sys
import time

# The sampler is loaded from the shared tools' folder, which is not ours to write bytecode into.
sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLER = os.environ.get("MUTATION_SAMPLE", os.path.join(HERE, "..", "..", "shared", "tools", "mutation-sample"))


def load_sampler():
    loader = importlib.machinery.SourceFileLoader("mutation_sample", SAMPLER)
    module = importlib.util.module_from_spec(importlib.util.spec_from_loader("mutation_sample", loader))
    loader.exec_module(module)
    return module


def failed_tests(log, since):
    """Every test CTest lists as failed after byte offset since, whatever ended it: one killed by a signal
    ("Subprocess terminated") has failed as much as one that reported a failure."""
    with open(log, "rb") as f:
        f.seek(since)
        text = f.read().decode("utf-8", "replace")
    return re.findall(r"^\s*\d+ - (\S+) \([^)]*\)\s*$", text, re.M)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    ms = load_sampler()
    out, seeds = sys.argv[1], [int(s) for s in sys.argv[2:]]
    n = int(os.environ.get("N", "20"))
    work = os.environ.get("MUTATION_DIR", "/tmp/mutation-sample-%d" % os.getuid())
    src, build, log = os.path.join(work, "src"), os.path.join(work, "build"), os.path.join(work, "log.txt")
    top = os.path.dirname(HERE)
    head = subprocess.run(["git", "rev-parse", "HEAD"], cwd=top, capture_output=True, text=True).stdout.strip()
    if not os.path.exists(os.path.join(src, ".git")):
        subprocess.run(["git", "clone", "-q", top, src], check=True)
    subprocess.run(["git", "fetch", "-q", top], cwd=src, check=True)
    subprocess.run(["git", "checkout", "-q", "-f", head], cwd=src, check=True)
    only = [o for o in os.environ.get("ONLY", "").split(",") if o]
    pool = ms.candidates(src, ms.sources(src, only))
    open(log, "w").close()
    if ms.run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
               "-DREDIZADO_WERROR=OFF"], src, 1800, log) or ms.run(["cmake", "--build", build, "-j2"], src, 3600, log):
        sys.exit("the unchanged tree does not build; see " + log)
    ctest = ["ctest", "--test-dir", build, "-j2", "--timeout", "240", "-E", "session"]
    since = os.path.getsize(log)
    # Tests failing on the unchanged tree catch nothing.
    base = failed_tests(log, since) if ms.run(ctest, src, 4800, log) else []
    with open(out, "a") as o:
        o.write(json.dumps({"head": head, "baseFailing": base}) + "\n")
    for seed in seeds:
        picked = list(pool)
        random.Random(seed).shuffle(picked)
        for f, i, _, new, what in picked[:n]:
            path = os.path.join(src, f)
            with open(path, encoding="utf-8", errors="replace") as fh:
                lines = fh.readlines()
            original, lines[i] = lines[i], new
            with open(path, "w", encoding="utf-8") as fh:
                fh.writelines(lines)
            t0 = time.monotonic()
            try:
                if ms.run(["cmake", "--build", build, "-j2"], src, 1800, log):
                    record = {"compiled": False}
                else:
                    since = os.path.getsize(log)
                    failed = failed_tests(log, since) if ms.run(ctest, src, 4800, log) else []
                    failed = [t for t in failed if t not in base]
                    if failed:
                        again = ctest[:-2] + ["-R", "^(%s)$" % "|".join(re.escape(t) for t in failed)]
                        since = os.path.getsize(log)
                        ms.run(again, src, 4800, log)
                        failed = [t for t in failed if t in failed_tests(log, since)]
                    record = {"compiled": True, "failed": failed}
            finally:
                lines[i] = original
                with open(path, "w", encoding="utf-8") as fh:
                    fh.writelines(lines)
            record.update(seed=seed, at="%s:%d" % (f, i + 1), what=what, new=new.strip()[:100],
                          secs=round(time.monotonic() - t0))
            with open(out, "a") as o:
                o.write(json.dumps(record) + "\n")
    ms.run(["cmake", "--build", build, "-j2"], src, 1800, log)


if __name__ == "__main__":
    main()
