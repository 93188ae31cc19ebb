"""Sends SIGINT to a child process in the middle of a long call and times how it ends."""

import signal
import subprocess
import sys
import textwrap
import time

# The start of a child script: `in_use()` gives the bytes malloc has handed out and not taken
# back, so a child can show that an interrupted call freed what it had allocated.
MEMORY_IN_USE = textwrap.dedent(
    """
    import ctypes
    import norvane

    libc = ctypes.CDLL(None)

    class MallInfo2(ctypes.Structure):
        _fields_ = [(n, ctypes.c_size_t) for n in
                    ("arena", "ordblks", "smblks", "hblks", "hblkhd", "usmblks", "fsmblks", "uordblks",
                     "fordblks", "keepcost")]

    libc.mallinfo2.restype = MallInfo2

    def in_use():
        info = libc.mallinfo2()
        return info.uordblks + info.hblkhd
    """
)


def interrupt_child(script, *args, timeout):
    """Runs `script` with `args`; once it prints "ready", waits 0.3 s and sends SIGINT.

    Returns the child's output words, the seconds from the signal to the KeyboardInterrupt
    (the child prints `time.monotonic()` when it catches it, as its fourth word: the clock is
    the system's, the same in both processes) and the seconds from the signal to the child's
    exit, which also counts its checks after the call and freeing its texts. The child must exit
    0 (it catches the KeyboardInterrupt and reports on stdout).
    """
    child = subprocess.Popen(
        [sys.executable, "-c", script, *args],
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        text=True,
    )
    try:
        assert child.stdout.readline().strip() == "ready"
        time.sleep(0.3)
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=timeout)
        ended = time.monotonic() - sent
    finally:
        if child.poll() is None:
            child.kill()
            child.wait()
    assert child.returncode == 0, err
    words = out.split()
    raised_after = float(words[3]) - sent if words[:1] == ["interrupted"] else float("inf")
    return words, raised_after, ended
