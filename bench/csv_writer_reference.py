"""The reference writer for the export benchmark: Python's csv.writer, quoting every value,
writes the rows of a CSV file held in memory to a new file.

    python3 csv_writer_reference.py SOURCE TARGET

Prints the seconds the writing took, the rows written, the process's resident peak while
writing, how far that peak rose above the size before it (bytes), the processor seconds
the writing took and the seconds until the file was on the disk."""
import csv
import os
import sys
import time


def status_bytes(name):
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith(name + ":"):
                return int(line.split()[1]) * 1024
    return 0


def main(source, target):
    with open(source, newline="", encoding="utf-8", errors="surrogateescape") as text:
        rows = list(csv.reader(text))
    try:
        with open("/proc/self/clear_refs", "w") as clear:
            clear.write("5")
    except OSError:
        pass
    before = status_bytes("VmRSS")
    cpu_start = time.process_time()
    start = time.perf_counter()
    with open(target, "w", newline="", encoding="utf-8", errors="surrogateescape") as out:
        csv.writer(out, quoting=csv.QUOTE_ALL).writerows(rows)
    seconds = time.perf_counter() - start
    cpu_seconds = time.process_time() - cpu_start
    peak = status_bytes("VmHWM")
    descriptor = os.open(target, os.O_RDONLY)
    try:
        os.fsync(descriptor)
    finally:
        os.close(descriptor)
    disk_seconds = time.perf_counter() - start
    print(seconds, len(rows), peak, max(0, peak - before), cpu_seconds, disk_seconds)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
