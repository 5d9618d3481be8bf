#!/usr/bin/env python3
"""Start-up time of ZoControl against an empty Qt window application.

Both programs are started the same way (offscreen, fresh runtime and
configuration folders) and timed from process start until they print
"shown", right after their main window is shown. ZoControl's time is taken
without the fixed 100 ms its splash waits before connecting. Prints the
median of each and their ratio (target: at most 2), and the same for the
peak memory (resident set) of each run (target: at most 1.5).

Usage: bench/qbench_startup.py [build folder] [rounds]
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

SPLASH_DELAY_S = 0.100


def time_to_shown(command, env):
    """Seconds until the program printed "shown", and its peak resident set in KiB."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = process.stdout.readline()
    shown = time.perf_counter() - start
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    process.stdout.close()
    if line.strip() != "shown":
        sys.exit(f"{command[0]} did not show its window (exit code {process.returncode})")
    return shown, usage.ru_maxrss


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    program = os.path.join(build, "bin", "ZoControl")
    empty = os.path.join(build, "bench", "qbench_startup_empty")
    for path in (program, empty):
        if not os.access(path, os.X_OK):
            sys.exit(f"missing {path}: build the targets ZoControl and qbench_startup_empty first")

    with tempfile.TemporaryDirectory() as root:
        env = dict(os.environ)
        runtime = os.path.join(root, "runtime")
        os.mkdir(runtime, 0o700)
        env.update(QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(root, "config"), HOME=root,
                   ZO_UNATTENDED="yes", ZO_EXIT_WHEN_SHOWN="1")
        zo_runs, empty_runs = [], []
        time_to_shown([empty], env)  # warm the file cache for both
        time_to_shown([program, "/SIM"], env)
        for _ in range(rounds):
            empty_runs.append(time_to_shown([empty], env))
            zo_runs.append(time_to_shown([program, "/SIM"], env))

    zo = statistics.median(t for t, _ in zo_runs) - SPLASH_DELAY_S
    base = statistics.median(t for t, _ in empty_runs)
    zo_kib = statistics.median(m for _, m in zo_runs)
    base_kib = statistics.median(m for _, m in empty_runs)
    print(f"empty Qt window:            {base * 1000:7.1f} ms (median of {rounds})")
    print(f"ZoControl /SIM, no splash:  {zo * 1000:7.1f} ms (median of {rounds}, 100 ms splash delay taken off)")
    print(f"ratio:                      {zo / base:7.2f} (target <= 2)")
    print(f"peak memory, empty window:  {base_kib / 1024:7.1f} MiB")
    print(f"peak memory, ZoControl:     {zo_kib / 1024:7.1f} MiB")
    print(f"memory ratio:               {zo_kib / base_kib:7.2f} (target <= 1.5)")


if __name__ == "__main__":
    main()
