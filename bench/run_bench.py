#!/usr/bin/env python3
"""Measures today's speed of the Release build in build-bench/ and writes bench/results.md:
    make bench                       # builds build-bench/, then runs this script
    BENCH_RUNS=9 python3 bench/run_bench.py
Each figure is the median of BENCH_RUNS runs (5 by default). Wall times are taken with
time.perf_counter around the child process; peak memory is the child's own ru_maxrss (wait4)."""

import datetime
import os
import platform
import re
import shlex
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build-bench"
TAVREL = BUILD / "tavrel"
WINDOW_BENCH = BUILD / "window_run_bench"
LOOP = ROOT / "examples" / "bench" / "loop.s"
RUNS = int(os.environ.get("BENCH_RUNS", "5"))
STEPS = 100_000
# loop.s's 500 million instructions last about 2 s in the window: Stop must come before its end.
WINDOW_MILLISECONDS = 400
ROM_WORDS_M20 = 1 << 20

rows = []    # (figure, value, command)
notes = []   # what a figure means or what went wrong


def run(args, stdin_text=None, cwd=None, env=None):
    """Runs a command once; answers (seconds, status, peak RSS in KiB, standard output)."""
    with tempfile.TemporaryFile("w+") as stdin, tempfile.TemporaryFile("w+") as stdout:
        if stdin_text is not None:
            stdin.write(stdin_text)
            stdin.seek(0)
        start = time.perf_counter()
        child = subprocess.Popen([str(a) for a in args], stdin=stdin, stdout=stdout,
                                 stderr=subprocess.STDOUT, cwd=cwd, env=env)
        # wait4 gives this child's own peak, where RUSAGE_CHILDREN keeps the largest so far.
        _, wait_status, usage = os.wait4(child.pid, 0)
        seconds = time.perf_counter() - start
        child.returncode = os.waitstatus_to_exitcode(wait_status)
        stdout.seek(0)
        return seconds, child.returncode, usage.ru_maxrss, stdout.read()


def repeat(args, stdin_text=None, cwd=None, env=None, status=0):
    """Runs a command RUNS times; answers the sorted seconds, the median RSS, the last output."""
    times, peaks = [], []
    for _ in range(RUNS):
        seconds, got, peak, output = run(args, stdin_text, cwd, env)
        if status is not None and got != status:
            sys.exit(f"{shlex.join(map(str, args))}: status {got}, expected {status}\n{output}")
        times.append(seconds)
        peaks.append(peak)
    return sorted(times), statistics.median(peaks), output


def totals(source, options):
    """Instructions and clock periods of a finished -verbose -run."""
    _, status, _, output = run([TAVREL, "-verbose", *options, "-run", source])
    found = re.search(r"Program finished after (\d+) instructions and (\d+) clock periods\.",
                      output.strip().splitlines()[-1])
    if status != 0 or not found:
        sys.exit(f"{source}: no finished run (status {status})\n{output[-2000:]}")
    return int(found.group(1)), int(found.group(2))


def command(*args):
    return " ".join(str(a).replace(str(ROOT) + "/", "") for a in args)


def mega(value):
    return f"{value / 1e6:.1f} M"


def wall(times):
    """The median wall time with the fastest and slowest run: this machine is shared."""
    return f"{statistics.median(times):.3f} s ({times[0]:.3f} to {times[-1]:.3f})"


def throughput(name, times, instructions, periods, shown):
    seconds = statistics.median(times)
    rows.append((f"{name}: instructions/s", mega(instructions / seconds), shown))
    rows.append((f"{name}: clock periods/s", mega(periods / seconds), ""))
    rows.append((f"{name}: wall time", wall(times), ""))


def bench_loop():
    instructions, periods = totals(LOOP, ["-N", "16"])
    times, _, _ = repeat([TAVREL, "-N", "16", "-run", LOOP])
    throughput("(a) batch -run of loop.s", times, instructions, periods,
               command(TAVREL, "-N 16 -run", LOOP))
    notes.append(f"(a) loop.s runs {instructions} instructions and {periods} clock periods "
                 f"({periods / instructions:.4f} periods per instruction).")
    return instructions, periods


def bench_c_loops(work):
    source = work / "c_loops.c"
    generator = ROOT / "examples" / "bench" / "c_loops.py"
    source.write_text(subprocess.check_output([sys.executable, generator], text=True))
    line = int(subprocess.check_output([sys.executable, generator, "--fail-line"], text=True))
    instructions, periods = totals(source, ["-N", "16"])
    times, _, _ = repeat([TAVREL, "-N", "16", "-run", source])
    throughput("(b) batch -run of c_loops.c", times, instructions, periods,
               command(TAVREL, "-N 16 -run c_loops.c"))
    notes.append(f"(b) c_loops.c (examples/bench/c_loops.py) runs {instructions} instructions "
                 f"and {periods} clock periods, checks its total and ends with status 0; the "
                 "wall time includes its build (a few milliseconds).")

    # The breakpoint is looked at before every instruction and never hit.
    times, _, output = repeat([TAVREL, "-N", "16", "-debug", source], f"B {line}\nC\nQ\n")
    if f"Breakpoint at line {line}" not in output or "End of code reached" not in output:
        sys.exit(f"-debug of c_loops.c did not run to its end past a breakpoint:\n{output}")
    _, _, _, clock = run([TAVREL, "-N", "16", "-debug", source], f"B {line}\nC\nT\nQ\n")
    if f"clock periods: {periods}" not in clock:
        sys.exit(f"-debug of c_loops.c ran other clock periods than -run:\n{clock}")
    throughput("(c) -debug of c_loops.c, breakpoint, C", times, instructions, periods,
               command(TAVREL, f"-N 16 -debug c_loops.c < 'B {line}\\nC\\nQ\\n'"))
    notes.append(f"(c) The breakpoint is on line {line} (the call of fail() after the check), "
                 "never reached; T after C gives the same clock periods as (b).")


def bench_window(loop_instructions, loop_periods):
    if not WINDOW_BENCH.exists():
        notes.append(f"(d) {WINDOW_BENCH} is missing: configure with -DTAVREL_BENCH=ON.")
        return
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    figures = []
    for _ in range(RUNS):
        _, status, _, output = run([WINDOW_BENCH, LOOP, WINDOW_MILLISECONDS], env=env)
        found = dict(re.findall(r"(\w+)=([\d.]+)", output))
        if found.get("finished") == "1":
            sys.exit("window_run_bench: loop.s ended before Stop; lower WINDOW_MILLISECONDS")
        if status != 0 or "instructions" not in found:
            sys.exit(f"window_run_bench: status {status}\n{output}")
        figures.append({k: float(v) for k, v in found.items()})

    def median(key):
        return statistics.median(f[key] for f in figures)

    rate = median("instructions_per_s")
    ratio = loop_periods / loop_instructions
    gap = abs(median("periods_per_s") / ratio - rate) / rate
    agreement = f"agrees with it within {gap:.1e}" if gap < 1e-3 else f"differs by {gap:.1%}"
    rates = sorted(f["instructions_per_s"] for f in figures)
    rows.append(("(d) window Run of loop.s: instructions/s",
                 f"{mega(rate)} ({rates[0] / 1e6:.1f} to {rates[-1] / 1e6:.1f})",
                 command(WINDOW_BENCH, LOOP, WINDOW_MILLISECONDS)))
    rows.append(("(d) window Run of loop.s: clock periods/s", mega(median("periods_per_s")), ""))
    rows.append(("(d) window Run: instructions/s from periods / (P/I)",
                 mega(median("periods_per_s") / ratio), ""))
    rows.append(("(d) Stop latency (timer due to Stop executed)",
                 f"{median('stop_late_ms'):.2f} ms", ""))
    rows.append(("(d) Stop command itself (views redrawn)", f"{median('stop_command_ms'):.2f} ms",
                 ""))
    notes.append("(d) Offscreen, clock, machine code and registers views open, N = 16, Stop from "
                 f"a precise {WINDOW_MILLISECONDS / 1000:g} s timer, before loop.s ends. The instructions are counted exactly from where the loop "
                 "stands when Stop comes (program counter and the two counters R1 and R3 of "
                 "loop.s's known ROM layout); the periods-based count (periods divided by "
                 f"P/I = {ratio:.4f} of the whole loop.s) {agreement}. The latency is the "
                 "time from the timer's due time until the Stop command runs; the window runs "
                 "slices for up to 4 ms before looking at its events.")


def write_assembly(path, words):
    """Independent instructions over six registers: nothing for the pipeline padding to add."""
    forms = ["LDIL R{r},#{v}", "ADI R{r},#{s}", "INC R{r}"]
    with open(path, "w") as file:
        for k in range(words):
            text = forms[(k // 6) % 3].format(r=1 + k % 6, v=k % 256, s=k % 15 - 7)
            file.write(f"        {text}\n")


def build_figure(name, args, cwd, status=0):
    times, peak, output = repeat(args, cwd=cwd, status=status)
    seconds = statistics.median(times)
    rows.append((f"(e) {name}: build time", wall(times), command(*args)))
    rows.append((f"(e) {name}: peak RSS", f"{peak / 1024:.1f} MiB", ""))
    return seconds, peak, output


def bench_builds(work):
    for generator in ("large_c.py", "logic_c.py"):
        source = work / generator.replace(".py", ".c")
        source.write_text(subprocess.check_output(
            [sys.executable, ROOT / "examples" / "bench" / generator], text=True))
        lines = len(source.read_text().splitlines())
        # Past every reach of the relative branches: 16-bit words, 24-bit ROM addresses.
        args = [TAVREL, "-N", "16", "-M", "24", "-L", "16", "-X", "16", "-verbose", "-compile",
                source.name]
        build_figure(f"{generator} ({lines} lines of C)", args, work, status=None)
        _, status, _, output = run(args, cwd=work)
        errors = re.findall(r"\*\*\*\*\*\* Error : ([^\n]*)", output)
        words = re.findall(r"ROM used: (\d+) words", output)
        if errors:
            notes.append(f"(e) {generator}: the build ends with status {status} and "
                         f"{len(errors)} error(s): {'; '.join(sorted(set(errors)))}.")
        else:
            notes.append(f"(e) {generator} builds with status {status}: "
                         f"{words[0] if words else '?'} ROM words, padded for the pipeline.")

    write_assembly(work / "empty.s", 1)
    _, base16, _ = build_figure("1-word assembly (baseline)", [TAVREL, "-compile", "empty.s"],
                                work)
    write_assembly(work / "words60k.s", 60_000)
    _, peak60k, _ = build_figure("60,000-word assembly", [TAVREL, "-compile", "words60k.s"], work)
    write_assembly(work / "words1m.s", ROM_WORDS_M20)
    _, base20, _ = build_figure("1-word assembly at M = 20 (baseline)",
                                [TAVREL, "-M", "20", "-compile", "empty.s"], work)
    seconds, peak1m, _ = build_figure(f"{ROM_WORDS_M20}-word assembly (full ROM, M = 20)",
                                      [TAVREL, "-M", "20", "-compile", "words1m.s"], work)
    rows.append(("(e) memory per ROM word (60,000 words)",
                 f"{(peak60k - base16) * 1024 / 60_000:.0f} bytes", ""))
    rows.append(("(e) memory per ROM word (full ROM, M = 20)",
                 f"{(peak1m - base20) * 1024 / ROM_WORDS_M20:.0f} bytes", ""))
    notes.append("(e) Memory per ROM word = (peak RSS - peak RSS of the 1-word build at the same "
                 "M) / words; the binary text file is written too. The full M = 20 ROM builds "
                 f"in {seconds:.1f} s, so no smaller size was needed.")


def bench_steps():
    quit_times, _, _ = repeat([TAVREL, "-N", "16", "-debug", LOOP], "Q\n")
    quit_seconds = statistics.median(quit_times)
    times, _, output = repeat([TAVREL, "-N", "16", "-debug", LOOP], "\n" * STEPS + "Q\n")
    seconds = statistics.median(times)
    if output.count("PC = ") < STEPS:
        sys.exit(f"-debug of loop.s showed fewer than {STEPS} steps")
    per_step = (seconds - quit_seconds) / STEPS
    rows.append((f"(f) debugger, {STEPS} empty lines: time per step", f"{per_step * 1e6:.2f} us",
                 command(TAVREL, f"-N 16 -debug", LOOP, f"< {STEPS} newlines + Q > temp file")))
    rows.append((f"(f) debugger, {STEPS} steps: wall time", wall(times), ""))
    notes.append(f"(f) Time per step = (wall time - {quit_seconds * 1000:.1f} ms of a build "
                 "then Q) / steps; the output (three lines a step) goes to a temporary file.")


def machine():
    described = subprocess.run(["lscpu"], capture_output=True, text=True).stdout
    model = re.search(r"^Model name:\s*(.+)$", described, re.M)
    return f"{model.group(1) if model else platform.processor()}, {os.cpu_count()} cores"


def commit():
    found = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=ROOT,
                           capture_output=True, text=True)
    return found.stdout.strip() or "unknown"


def report(started):
    lines = ["# Benchmark results", "",
             f"- Machine: {machine()}",
             f"- Commit: {commit()}",
             f"- Date: {datetime.datetime.now().strftime('%Y-%m-%d %H:%M')}",
             f"- Command line: `BENCH_RUNS={RUNS} {command(Path(sys.executable).name, *sys.argv)}` "
             "(`make bench` runs it after the Release build in build-bench/)",
             f"- Each figure is the median of {RUNS} runs; the harness took "
             f"{time.perf_counter() - started:.0f} s.", "",
             "| Figure | Value | Command |", "|---|---|---|"]
    lines += [f"| {name} | {value} | {f'`{shown}`' if shown else ''} |"
              for name, value, shown in rows]
    lines += ["", "## Notes", ""] + [f"- {note}" for note in notes]
    return "\n".join(lines) + "\n"


def main():
    if not TAVREL.exists():
        sys.exit(f"{TAVREL} is missing: run make bench")
    started = time.perf_counter()
    with tempfile.TemporaryDirectory() as directory:
        work = Path(directory)
        instructions, periods = bench_loop()
        bench_c_loops(work)
        bench_window(instructions, periods)
        bench_builds(work)
        bench_steps()
    text = report(started)
    (ROOT / "bench" / "results.md").write_text(text)
    print(text, end="")


if __name__ == "__main__":
    main()
