"""Start-up of the program against an empty Qt window, side by side under Xvfb.

Run by bench/startup.sh, which builds both programs first:
    startup.py PROGRAM REFERENCE DELIVERED_DATA_FOLDER [RUNS]

Each case is started RUNS times, alternating with the case it is compared with,
on one private Xvfb display, and the medians are printed with their ratios:
- exec -> main window mapped: the MapNotify of its top-level window (the root's
  SubstructureNotify), timed from just before the exec;
- exec -> first frame drawn: the first DAMAGE notification on the root window
  (inferiors included) after that map. The windows have no background of their
  own, so the server paints nothing at map time: the first damage is the
  program's own first drawing reaching the screen;
- peak memory: VmHWM from /proc/PID/status 1 s after the exec.
Every process is killed once measured, so nothing is saved and no update check runs.
"""
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import start_xvfb  # noqa: E402

TIMEOUT = 30.0  # s, for one start


def library_text(name, sizes):
    """A water library as the program writes it."""
    lines = ["", "[Global]", "TubeName = " + name, "Abreviation = Cu", "Symbole = DN", "Rugo = 0.001500"]
    for i in range(sizes):
        outside = 10.0 + 0.5 * i
        lines += ["[%dx1]" % i, "Actif = %d" % (i % 7 != 0), "DiamExt = %.6f" % outside,
                  "DiamInt = %.6f" % (outside - 2.0), "Epais = 1.000000"]
    return ("\ufeff" + "\r\n".join(lines) + "\r\n").encode("utf-8")


def make_data_home(root, delivered, config_changes=(), libraries=(), delivered_libraries=True):
    """An XDG data folder holding the delivered configuration, the delivered
    libraries unless told otherwise, and the given libraries."""
    data = os.path.join(root, "xdg", "Vorquil 3", "Data")
    shutil.copytree(delivered, data, ignore=None if delivered_libraries else
                    shutil.ignore_patterns("*.tub", "*.eva"))
    config_path = os.path.join(data, "Config.cfg")
    with open(config_path, "rb") as f:
        config = f.read().decode("utf-8-sig")
    for key, value in config_changes:
        lines = [line if not line.startswith(key + " =") else "%s = %s" % (key, value)
                 for line in config.split("\r\n")]
        config = "\r\n".join(lines)
    with open(config_path, "wb") as f:
        f.write(("\ufeff" + config).encode("utf-8"))
    for file_name, name, sizes in libraries:
        with open(os.path.join(data, file_name), "wb") as f:
            f.write(library_text(name, sizes))
    work = os.path.join(root, "work")
    os.makedirs(work)
    return os.path.join(root, "xdg"), work


class Runner:
    def __init__(self, display_name, runtime):
        self.display_name = display_name
        self.runtime = runtime
        self.x = xdisplay.Display(display_name)
        self.x.damage_query_version()
        self.root = self.x.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.root.damage_create(damage.DamageReportNonEmpty)
        self.damage_event = self.x.extension_event.DamageNotify
        self.x.sync()

    def drain(self, seconds=0.05):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == self.damage_event:
                    self.x.damage_subtract(event.damage)
            select.select([self.x.fileno()], [], [], 0.01)

    def run(self, program, data_home, work, memory):
        """(ms to mapped, ms to first frame, peak KiB or None) of one start."""
        self.drain()
        env = dict(os.environ, DISPLAY=self.display_name, XDG_DATA_HOME=data_home,
                   XDG_RUNTIME_DIR=self.runtime, QT_QPA_PLATFORM="xcb")
        start = time.monotonic()
        proc = subprocess.Popen([program], cwd=work, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        mapped = drawn = None
        try:
            while drawn is None and time.monotonic() - start < TIMEOUT:
                select.select([self.x.fileno()], [], [], 0.01)
                while self.x.pending_events():
                    event = self.x.next_event()
                    now = (time.monotonic() - start) * 1000.0
                    if event.type == self.damage_event:
                        # NonEmpty reports once until the damage is taken away.
                        self.x.damage_subtract(event.damage)
                        if mapped is not None and drawn is None:
                            drawn = now
                    elif event.type == X.MapNotify and not event.override and mapped is None:
                        mapped = now
            peak = None
            if memory:
                time.sleep(max(0.0, start + 1.0 - time.monotonic()))
                with open("/proc/%d/status" % proc.pid) as status:
                    for line in status:
                        if line.startswith("VmHWM:"):
                            peak = int(line.split()[1])
        finally:
            proc.send_signal(signal.SIGKILL)
            proc.wait()
        if drawn is None:
            raise RuntimeError("%s: no window drawn within %d s" % (program, TIMEOUT))
        return mapped, drawn, peak


def median(values):
    return statistics.median(values)


def compare(runner, runs, cases, memory):
    """Alternates the cases run by run; returns per case the lists of figures."""
    figures = {label: ([], [], []) for label, *_ in cases}
    for _ in range(runs):
        for label, program, data_home, work in cases:
            mapped, drawn, peak = runner.run(program, data_home, work, memory)
            figures[label][0].append(mapped)
            figures[label][1].append(drawn)
            if peak is not None:
                figures[label][2].append(peak)
    return figures


def row(what, ours, theirs, unit, against):
    print("%-36s %10.1f %s %10.1f %s   ratio %5.2f   (%s)" % (what, ours, unit, theirs, unit, ours / theirs, against))


def main():
    program, reference, delivered = (os.path.abspath(path) for path in sys.argv[1:4])
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 20
    scratch = tempfile.mkdtemp(prefix="vq-startup-bench-")
    runtime = os.path.join(scratch, "runtime")
    os.makedirs(runtime, mode=0o700)
    xvfb, display_name = start_xvfb()
    try:
        runner = Runner(display_name, runtime)
        normal = make_data_home(os.path.join(scratch, "normal"), delivered)
        big = make_data_home(os.path.join(scratch, "big"), delivered, [("MatTube", "Big")],
                             [("Big.tub", "Big", 10000)])
        small = make_data_home(os.path.join(scratch, "small"), delivered, [("MatTube", "Big")],
                               [("Big.tub", "Big", 10)])
        many = make_data_home(os.path.join(scratch, "many"), delivered, [("MatTube", "Lib0000")],
                              [("Lib%04d.tub" % i, "Lib%04d" % i, 20) for i in range(1000)], False)
        few = make_data_home(os.path.join(scratch, "few"), delivered, [("MatTube", "Lib0000")],
                             [("Lib%04d.tub" % i, "Lib%04d" % i, 20) for i in range(10)], False)

        print("Medians of %d alternating runs; load average before: %s" % (runs, os.getloadavg()))
        print("%-36s %13s %13s" % ("", "measured", "compared with"))
        f = compare(runner, runs, [("program", program, *normal), ("reference", reference, *normal)], True)
        row("exec -> main window mapped", median(f["program"][0]), median(f["reference"][0]), "ms",
            "empty 555x181 Qt Widgets window")
        row("exec -> first frame drawn", median(f["program"][1]), median(f["reference"][1]), "ms",
            "empty 555x181 Qt Widgets window")
        row("peak memory 1 s after exec (VmHWM)", median(f["program"][2]) / 1024, median(f["reference"][2]) / 1024,
            "MiB", "empty 555x181 Qt Widgets window")

        f = compare(runner, runs, [("big", program, *big), ("small", program, *small)], False)
        row("first frame, 10 000-size library", median(f["big"][1]), median(f["small"][1]), "ms",
            "same program, 10-size library selected")
        f = compare(runner, runs, [("many", program, *many), ("few", program, *few)], False)
        row("first frame, 1 000 library files", median(f["many"][1]), median(f["few"][1]), "ms",
            "same program, 10 library files")
        print("Load average after: %s" % (os.getloadavg(),))
    finally:
        xvfb.kill()
        xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
