#!/usr/bin/env python3
"""qm changes over a generated project beside grep -c "Block" -r over the same files: the time of
each (best of several runs) and their ratio.

usage: changes_vs_grep.py [--qm build/dev/bin/qm] [--files 500] [--lines 100] [--runs 5]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

PROCEDURE = [
    "Private Sub cmdSave_Click()",
    "    Dim Total As Currency",
    "'* Block Changed by dev on 03/05/2024",
    "    Total = Total + Price(i) ' the priced ones",
    "'* End of Block Changed by dev on 03/05/2024",
    "    If Total > 0 Then Exit Sub",
    "'* Block Deleted by ann on 12/08/2026",
    "'*     lblTotal.Caption = Format$(Total, \"0.00\")",
    "'* End of Block Deleted by ann on 12/08/2026",
    "    ' the caller refreshes the form",
]
FILLER = '    lblStatus.Caption = "Ready" & Format$(Now, "hh:nn")'


def write_module(path, index, lines):
    out = ['Attribute VB_Name = "mod%d"' % index, "Option Explicit"]
    while len(out) < lines:
        out.extend(PROCEDURE)
        while len(out) < lines - 1 and len(out) % 50 != 49:
            out.append(FILLER)
        out.append("End Sub")
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(out[:lines]) + "\r\n")


def best_of(runs, command):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=False)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--qm", default="build/dev/bin/qm")
    parser.add_argument("--files", type=int, default=500)
    parser.add_argument("--lines", type=int, default=100)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="qm-changes-")
    try:
        project = ["Type=Exe"]
        for i in range(args.files):
            name = "mod%d.bas" % i
            write_module(os.path.join(work, name), i, args.lines)
            project.append("Module=mod%d; %s" % (i, name))
        vbp = os.path.join(work, "Big.vbp")
        with open(vbp, "w", newline="") as f:
            f.write("\r\n".join(project) + "\r\n")
        qm = best_of(args.runs, [args.qm, "changes", vbp])
        qm_filtered = best_of(args.runs, [args.qm, "changes", "--programmer", "dev",
                                          "--from", "01/01/2024", "--to", "12/31/2024", vbp])
        grep = best_of(args.runs, ["grep", "-c", "Block", "-r", work])
        print("%d files, %d lines" % (args.files, args.files * args.lines))
        print("qm changes              %8.1f ms  (%.1f x grep)" % (qm * 1000, qm / grep))
        print("qm changes, filtered    %8.1f ms  (%.1f x grep)" % (qm_filtered * 1000,
                                                                  qm_filtered / grep))
        print("grep -c Block -r        %8.1f ms" % (grep * 1000))
    finally:
        shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
