"""Resident memory of this process, for the benchmarks' fresh-process memory measurements.

The peak is read from the kernel's VmHWM, which `reset_peak` brings down to the present size.
getrusage's ru_maxrss cannot serve: after fork and exec it keeps the parent's size at the fork as
a floor, so a child that grows less than its parent's size would report the parent's size.
"""
from __future__ import annotations

import os
import resource


def current_kb() -> int:
    with open("/proc/self/statm") as fh:
        return int(fh.read().split()[1]) * (os.sysconf("SC_PAGE_SIZE") // 1024)


def reset_peak() -> bool:
    """Starts the peak from the present size; False where the kernel does not allow it."""
    try:
        with open("/proc/self/clear_refs", "w") as fh:
            fh.write("5")
        return True
    except OSError:
        return False


def peak_kb() -> int:
    try:
        with open("/proc/self/status") as fh:
            for line in fh:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
