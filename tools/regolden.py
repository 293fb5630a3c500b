#!/usr/bin/env python3
"""Rewrites the stdout and stderr of golden cases from a run of build/tavrel, as the golden
test runs them (inputs and named examples copied into a fresh directory). Prints each case
whose exit status differs from its status file; the status file is left for a person to edit."""
import os, shutil, subprocess, sys, tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CASES = os.path.join(ROOT, "tests", "programs")
DESCRIPTION = {"args", "stdin", "stdout", "stderr", "status", "expected_files", "examples"}

def run_case(name, program):
    case = os.path.join(CASES, name)
    with tempfile.TemporaryDirectory() as work:
        for entry in os.listdir(case):
            if entry in DESCRIPTION:
                continue
            source = os.path.join(case, entry)
            (shutil.copytree if os.path.isdir(source) else shutil.copy)(source, os.path.join(work, entry))
        examples = os.path.join(case, "examples")
        if os.path.exists(examples):
            for line in open(examples).read().splitlines():
                if line:
                    shutil.copy(os.path.join(ROOT, "examples", line), os.path.join(work, line))
            shutil.copytree(os.path.join(ROOT, "include"), os.path.join(work, "include"))
        args = []
        if os.path.exists(os.path.join(case, "args")):
            text = open(os.path.join(case, "args")).read()
            args = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")
            if text == "":
                args = []
        stdin_path = os.path.join(case, "stdin")
        stdin = open(stdin_path, "rb") if os.path.exists(stdin_path) else subprocess.DEVNULL
        done = subprocess.run([program] + args, cwd=work, stdin=stdin, capture_output=True,
                              env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    for stream, data in (("stdout", done.stdout), ("stderr", done.stderr)):
        path = os.path.join(case, stream)
        if data:
            open(path, "wb").write(data)
        elif os.path.exists(path):
            os.remove(path)
    status_path = os.path.join(case, "status")
    expected = int(open(status_path).read().strip()) if os.path.exists(status_path) else 0
    if expected != done.returncode:
        print(f"{name}: status {expected} -> {done.returncode}")

if __name__ == "__main__":
    program = os.path.join(ROOT, "build", "tavrel")
    for name in sys.argv[1:]:
        run_case(name.rstrip("/").split("/")[-1], program)
