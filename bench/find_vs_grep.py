#!/usr/bin/env python3
"""qm find beside grep -rFin over the same generated project: times, their ratio, and qm's
peak memory at two project sizes (it should not grow with the project).

usage: find_vs_grep.py [--qm build/dev/bin/qm] [--files 2000] [--lines 1000] [--runs 5]
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

TEXT = "CustomerBalance"

BODY = [
    "    Dim Counter As Integer",
    "    For Counter = 1 To UBound(Items)",
    "        If Items(Counter).Price > 0 Then Total = Total + Items(Counter).Price",
    "    Next Counter",
    "    ' keep the running figure for the report",
    '    lblStatus.Caption = "Ready" & Format$(Now, "hh:nn")',
    '    Set rs = db.OpenRecordset("SELECT * FROM Orders", dbOpenSnapshot)',
    "    Select Case Mode",
    "    Case 1: Call SaveOrder(OrderId, Customer)",
    "    End Select",
]


def write_module(path, lines, rng, hits_per_file):
    hit_lines = set(rng.sample(range(lines), hits_per_file))
    out = ['Attribute VB_Name = "M"']
    n = 1
    proc = 0
    while n < lines:
        out.append("Private Sub Proc%d(ByVal n As Long)" % proc)
        proc += 1
        n += 1
        for _ in range(40):
            if n >= lines - 1:
                break
            out.append("    customerbalance = CustomerBalance - n" if n in hit_lines
                       else rng.choice(BODY))
            n += 1
        out.append("End Sub")
        n += 1
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(out) + "\r\n")


def make_project(root, files, lines, rng):
    os.makedirs(os.path.join(root, "src"), exist_ok=True)
    with open(os.path.join(root, "Big.vbp"), "w", newline="") as vbp:
        vbp.write("Type=Exe\r\n")
        for i in range(files):
            name = "src\\mod%04d.bas" % i
            write_module(os.path.join(root, "src", "mod%04d.bas" % i), lines, rng, 2)
            vbp.write("Module=Mod%d; %s\r\n" % (i, name))
    return os.path.join(root, "Big.vbp")


def run(cmd):
    """Seconds of wall time, peak resident KB and the output size of one run."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    size = 0
    while True:
        chunk = proc.stdout.read(1 << 16)
        if not chunk:
            break
        size += len(chunk)
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    return time.perf_counter() - start, usage.ru_maxrss, size


def median(values):
    values = sorted(values)
    return values[len(values) // 2]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--qm", default=os.path.join(os.path.dirname(__file__), "..", "build", "dev",
                                                 "bin", "qm"))
    ap.add_argument("--files", type=int, default=2000)
    ap.add_argument("--lines", type=int, default=1000)
    ap.add_argument("--runs", type=int, default=5)
    args = ap.parse_args()

    rng = random.Random(1)
    work = tempfile.mkdtemp(prefix="qm-find-bench-")
    try:
        small = make_project(os.path.join(work, "small"), args.files // 4, args.lines, rng)
        big = make_project(os.path.join(work, "big"), args.files, args.lines, rng)
        src = os.path.join(work, "big", "src")
        total = sum(os.path.getsize(os.path.join(src, f)) for f in os.listdir(src))
        print("project: %d files, %d lines, %.1f MB; text %r" %
              (args.files, args.files * args.lines, total / 1e6, TEXT))

        qm_cmd = [args.qm, "find", big, TEXT]
        grep_cmd = ["grep", "-rFin", TEXT, src]
        env_note = os.environ.get("LC_ALL") or os.environ.get("LANG") or "default locale"
        # Warm the page cache, then alternate the two so both see the same machine state.
        run(qm_cmd)
        run(grep_cmd)
        qm_times, grep_times, qm_rss = [], [], []
        for _ in range(args.runs):
            t, rss, qm_out = run(qm_cmd)
            qm_times.append(t)
            qm_rss.append(rss)
            t, _, grep_out = run(grep_cmd)
            grep_times.append(t)
        hits = subprocess.run(qm_cmd, capture_output=True).stdout.count(b"\n")
        _, small_rss, _ = run([args.qm, "find", small, TEXT])
        q, g = median(qm_times), median(grep_times)
        print("hits: %d (grep wrote %d bytes, qm %d)" % (hits, grep_out, qm_out))
        print("qm find:    %.3f s (median of %d)" % (q, args.runs))
        print("grep -rFin: %.3f s (median of %d, %s)" % (g, args.runs, env_note))
        print("ratio qm/grep: %.2f" % (q / g))
        print("qm peak memory: %d KB at %d files, %d KB at %d files" %
              (small_rss, args.files // 4, max(qm_rss), args.files))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
