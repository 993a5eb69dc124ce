#!/usr/bin/env python3
"""Makes DIR/corpus/PART with COUNT small log-like files (80-400 bytes each),
for the workflow bench's scale runs: workflow_bench --corpus DIR --parts PART.

Usage: many_small_files.py DIR [COUNT=1000000] [PART=million]
"""
import os
import random
import sys

root = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
part = sys.argv[3] if len(sys.argv) > 3 else "million"
folder = os.path.join(root, "corpus", part)
os.makedirs(folder, exist_ok=True)
rng = random.Random(20261207)
words = ["GET", "POST", "ok", "retry", "timeout", "user", "cache", "miss", "hit", "disk", "queue", "done"]
for i in range(count):
    name = os.path.join(folder, "f%07d.log" % i)
    if os.path.exists(name):
        continue
    lines = []
    for _ in range(rng.randint(2, 8)):
        lines.append("%08d %s %s %d" % (rng.randint(0, 10**8), rng.choice(words), rng.choice(words),
                                        rng.randint(0, 99999)))
    with open(name, "w") as out:
        out.write("\n".join(lines) + "\n")
    os.utime(name, (1700000000, 1700000000))
