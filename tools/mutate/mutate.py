#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Keyvora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plant plausible faults in a copy of Keyvora, one at a time, and see whether the suites fail.

The copy is an export of one revision, so the checkout, its build/ folder and any uncommitted
work stay untouched; it is configured and built once, and each fault costs an incremental build
and a test run. A fault whose tests still pass is a survivor: a mistake nobody would notice.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

HERE = os.path.dirname(os.path.abspath(__file__))
TEST_TIMEOUT = 120


@dataclass
class Fault:
    ident: str
    path: str
    why: str
    original: str
    replacement: str
    line: int  # where the block starts in the faults file, for messages


@dataclass
class Outcome:
    fault: Fault
    result: str  # killed, survived, did not build, does not apply
    seconds: float = 0.0
    failing: str = ""
    detail: str = ""


def parse_faults(path):
    """Blocks separated by blank lines: id/file/why lines, then '-' lines (the exact original
    text, one per line) and '+' lines (its replacement; none deletes it). A bare '-' or '+'
    stands for an empty line, since a blank line ends the block. '#' at the start of a line
    outside the text is a comment."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    faults, block, start = [], [], 0

    def finish():
        if not block:
            return
        keys, minus, plus = {}, [], []
        for number, text in block:
            if text.startswith("-"):
                if plus:
                    sys.exit(f"{path}:{number}: '-' line after '+' lines")
                minus.append(text[2:] if text.startswith("- ") else text[1:])
            elif text.startswith("+"):
                if not minus:
                    sys.exit(f"{path}:{number}: '+' line before any '-' line")
                plus.append(text[2:] if text.startswith("+ ") else text[1:])
            else:
                key, sep, value = text.partition(":")
                if not sep or key not in ("id", "file", "why") or minus:
                    sys.exit(f"{path}:{number}: expected id:, file:, why:, '-' or '+'")
                keys[key] = value.strip()
        for key in ("id", "file", "why"):
            if not keys.get(key):
                sys.exit(f"{path}:{start}: block without {key}:")
        if not minus:
            sys.exit(f"{path}:{start}: block without '-' lines")
        if minus == plus:
            sys.exit(f"{path}:{start}: {keys['id']} changes nothing")
        if keys["file"].split("/")[0] in ("tests", "bench", "fuzz"):
            sys.exit(f"{path}:{start}: {keys['id']} edits {keys['file']}, not product code")
        faults.append(Fault(keys["id"], keys["file"], keys["why"], "\n".join(minus),
                            "\n".join(plus), start))

    for number, text in enumerate(lines, 1):
        if not text.strip():
            finish()
            block = []
        elif text.startswith("#") and not block:
            continue
        else:
            if not block:
                start = number
            block.append((number, text))
    finish()
    seen = set()
    for fault in faults:
        if fault.ident in seen:
            sys.exit(f"{path}:{fault.line}: id {fault.ident} used twice")
        seen.add(fault.ident)
    return faults


def fault_text(original, replacement, text):
    """The file's text with the fault planted, or None and why it cannot be."""
    count = text.count(original)
    if count != 1:
        return None, "original text found %d times" % count
    return text.replace(original, replacement), ""


def run(command, cwd, log, env=None, timeout=None):
    with open(log, "w", encoding="utf-8") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, env=env,
                              timeout=timeout, check=False).returncode


def failing_suites(log):
    """The suites ctest reports as failed, timed out or not run, in its order."""
    with open(log, encoding="utf-8", errors="replace") as f:
        text = f.read()
    names = re.findall(r"Test\s+#\d+: (\S+) \.*\s*(?:\*\*\*\S+|Exception|Not Run|Failed)", text)
    return ",".join(dict.fromkeys(names)) or "?"


class Runner:
    def __init__(self, work, jobs):
        self.work = work
        self.jobs = jobs
        self.logs = os.path.join(work, "mutate-logs")
        os.makedirs(self.logs, exist_ok=True)
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def log(self, name):
        return os.path.join(self.logs, name)

    def build(self, name):
        return run(["cmake", "--build", "build", "-j", str(self.jobs)], self.work,
                   self.log(name + ".build.log")) == 0

    def test(self, name, stop_on_failure):
        command = ["ctest", "--test-dir", "build", "--timeout", str(TEST_TIMEOUT),
                   "--output-on-failure", "--parallel", str(self.jobs)]
        if stop_on_failure:
            command.append("--stop-on-failure")
        log = self.log(name + ".test.log")
        # ctest enforces the timeout per suite; this one only guards against ctest itself hanging.
        try:
            code = run(command, self.work, log, env=self.env, timeout=TEST_TIMEOUT * 20)
        except subprocess.TimeoutExpired:
            return False, "ctest (hung)"
        return code == 0, "" if code == 0 else failing_suites(log)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rev", default="HEAD", help="revision to check (default HEAD)")
    parser.add_argument("--faults", default=os.path.join(HERE, "faults.txt"))
    parser.add_argument("--only", help="comma-separated fault ids to run, in the file's order")
    parser.add_argument("--work", help="scratch folder (default: a new one under /tmp); "
                        "reusing one keeps its build, so only what changed is rebuilt")
    parser.add_argument("--jobs", type=int, default=1, help="build and test jobs (default 1)")
    parser.add_argument("--every-suite", action="store_true",
                        help="run every suite on each fault and name all that catch it, to see "
                        "which suites a fault's kill rests on (slower)")
    parser.add_argument("--check", action="store_true",
                        help="only say whether each fault applies to REV; build nothing")
    args = parser.parse_args()

    repo = subprocess.run(["git", "-C", HERE, "rev-parse", "--show-toplevel"],
                          capture_output=True, text=True, check=True).stdout.strip()
    commit = subprocess.run(["git", "-C", repo, "rev-parse", "--short", args.rev + "^{commit}"],
                            capture_output=True, text=True)
    if commit.returncode:
        sys.exit(f"unknown revision {args.rev}")
    short = commit.stdout.strip()

    faults = parse_faults(args.faults)
    if args.only:
        wanted = [ident.strip() for ident in args.only.split(",") if ident.strip()]
        unknown = sorted(set(wanted) - {fault.ident for fault in faults})
        if unknown:
            sys.exit("no such fault: " + ", ".join(unknown))
        faults = [fault for fault in faults if fault.ident in wanted]

    if args.check:
        bad = 0
        for fault in faults:
            shown = subprocess.run(["git", "-C", repo, "show", f"{short}:{fault.path}"],
                                   capture_output=True)
            if shown.returncode:
                print(f"{fault.ident}: {fault.path} not in {short}")
                bad += 1
                continue
            _, why = fault_text(fault.original, fault.replacement, shown.stdout.decode("utf-8"))
            if why:
                print(f"{fault.ident}: {why} in {fault.path}")
                bad += 1
        print(f"{len(faults)} faults, {len(faults) - bad} apply to {short}")
        return 1 if bad else 0

    # Builds and suites share the machine; they should yield to whoever else is working on it.
    os.nice(10)
    work = os.path.abspath(args.work) if args.work else tempfile.mkdtemp(prefix="keyvora-mutate-")
    if os.path.realpath(work).startswith(os.path.realpath(repo) + os.sep) or \
            os.path.realpath(work) == os.path.realpath(repo):
        sys.exit("the scratch folder must lie outside the repository")
    os.makedirs(work, exist_ok=True)
    print(f"exporting {short} into {work}", flush=True)
    export(repo, short, work)

    runner = Runner(work, args.jobs)
    runner.every_suite = args.every_suite
    started = time.monotonic()
    if run(["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DKEYVORA_WERROR=ON"], work, runner.log("configure.log")):
        sys.exit(f"configure failed, see {runner.log('configure.log')}")
    print("building the baseline", flush=True)
    if not runner.build("baseline"):
        sys.exit(f"the baseline does not build, see {runner.log('baseline.build.log')}")
    passed, failing = runner.test("baseline", stop_on_failure=False)
    if not passed:
        sys.exit(f"the baseline fails ({failing}), so no fault can be judged; "
                 f"see {runner.log('baseline.test.log')}")
    print(f"baseline built and passed in {time.monotonic() - started:.0f} s", flush=True)

    outcomes = []
    for number, fault in enumerate(faults, 1):
        outcomes.append(try_fault(runner, fault))
        outcome = outcomes[-1]
        extra = f", {outcome.failing}" if outcome.failing else ""
        extra += f", {outcome.detail}" if outcome.detail else ""
        print(f"[{number}/{len(faults)}] {fault.ident}: {outcome.result} "
              f"({outcome.seconds:.0f} s{extra})", flush=True)

    lines = summary(outcomes, f"{args.rev} {short}")
    print("\n".join(lines))
    report = os.path.join(work, "report.txt")
    with open(report, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n\n")
        for outcome in outcomes:
            out.write(f"{outcome.fault.ident}\t{outcome.result}\t{outcome.seconds:.0f} s\t"
                      f"{outcome.failing or '-'}\t{outcome.detail}\n")
    print(f"report: {report}")
    return 0


def untar(repo, commit, into):
    archive = subprocess.Popen(["git", "-C", repo, "archive", commit], stdout=subprocess.PIPE)
    extracted = subprocess.run(["tar", "-x", "-C", into], stdin=archive.stdout, check=False)
    archive.stdout.close()
    if archive.wait() or extracted.returncode:
        sys.exit("export failed")


def export(repo, commit, work):
    """Into an empty folder the archive goes as it is. Into one used before, only files whose
    bytes differ are written: tar would give every file the commit's time, older than objects
    built from a fault, and the build would keep those."""
    if not os.listdir(work):
        untar(repo, commit, work)
        return
    with tempfile.TemporaryDirectory(dir=work, prefix=".export-") as staging:
        untar(repo, commit, staging)
        for folder, _, files in os.walk(staging):
            for name in files:
                source = os.path.join(folder, name)
                target = os.path.join(work, os.path.relpath(source, staging))
                if os.path.islink(source):
                    continue
                with open(source, "rb") as f:
                    wanted = f.read()
                try:
                    with open(target, "rb") as f:
                        if f.read() == wanted:
                            continue
                except FileNotFoundError:
                    os.makedirs(os.path.dirname(target), exist_ok=True)
                with open(target, "wb") as f:
                    f.write(wanted)
                shutil.copymode(source, target)


def try_fault(runner, fault):
    path = os.path.join(runner.work, fault.path)
    started = time.monotonic()
    try:
        with open(path, "rb") as f:
            pristine = f.read()
    except FileNotFoundError:
        return Outcome(fault, "does not apply", detail="no such file")
    mutated, why = fault_text(fault.original, fault.replacement, pristine.decode("utf-8"))
    if mutated is None:
        return Outcome(fault, "does not apply", detail=why)
    try:
        with open(path, "wb") as f:
            f.write(mutated.encode("utf-8"))
        if not runner.build(fault.ident):
            return Outcome(fault, "did not build", time.monotonic() - started)
        passed, failing = runner.test(fault.ident, stop_on_failure=not runner.every_suite)
        return Outcome(fault, "survived" if passed else "killed", time.monotonic() - started,
                       failing)
    finally:
        # Written back even on Ctrl+C, so the scratch copy is never left with a fault in it.
        with open(path, "wb") as f:
            f.write(pristine)


def summary(outcomes, revision):
    def count(result):
        return sum(1 for outcome in outcomes if outcome.result == result)

    lines = [f"mutants: {len(outcomes)}, killed {count('killed')}, survived {count('survived')}, "
             f"did not build {count('did not build')}, did not apply {count('does not apply')} "
             f"({revision})"]
    lines += [f"survived: {o.fault.ident}: {o.fault.why}" for o in outcomes
              if o.result == "survived"]
    return lines


if __name__ == "__main__":
    sys.exit(main())
