"""Runs the real program under a private Xvfb display, as a user would.

Each test gets its own data folder (XDG_DATA_HOME) and working folder, finds the
program's windows with xdotool, and closes them with WM_DELETE_WINDOW, which is
what a window manager sends when the user clicks the close box.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, protocol


def start_xvfb():
    """A private Xvfb on a free display; returns its process and display name."""
    read_end, write_end = os.pipe()
    # -noreset: by default the server resets when its last client leaves, and
    # cuts the connection the program is opening at that moment; each xdotool
    # call is such a client, so under load the program died with
    # "could not connect to display".
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return xvfb, ":" + number.decode().strip()


class Session:
    def __init__(self, program, scratch, name):
        self.program = program
        self.root = os.path.join(scratch, name)
        shutil.rmtree(self.root, ignore_errors=True)
        self.data_home = os.path.join(self.root, "xdg-data")
        self.work = os.path.join(self.root, "work")
        self.data_folder = os.path.join(self.data_home, "Vorquil 3")
        for folder in (self.data_home, self.work):
            os.makedirs(folder)
        self.runtime = tempfile.mkdtemp(prefix="vq-runtime-")
        os.chmod(self.runtime, 0o700)
        self.xvfb = None
        self.proc = None
        self.display = None

    def __enter__(self):
        self.start_display()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start_display(self):
        self.xvfb, self.display = start_xvfb()

    def env(self):
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display,
            "XDG_DATA_HOME": self.data_home,
            "XDG_RUNTIME_DIR": self.runtime,
            "QT_QPA_PLATFORM": "xcb",
        })
        return env

    def start(self, *args):
        self.proc = subprocess.Popen([self.program, *args], cwd=self.work, env=self.env(),
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        return self.proc

    def xdotool(self, *args, timeout=30):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True,
                              timeout=timeout)

    def find_window(self, title, timeout=20):
        """The X window id of the visible window with exactly this title."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title.replace(".", "\\."))
            ids = found.stdout.split()
            if ids:
                window = int(ids[0])
                self.wait_focus(window, deadline)
                return window
            if self.proc and self.proc.poll() is not None:
                raise AssertionError("program ended before its window opened, exit code %d:\n%s"
                                     % (self.proc.returncode, self.output()))
            time.sleep(0.1)
        raise AssertionError("no window titled %r" % title)

    def wait_focus(self, window, deadline):
        """Waits until the window holds the keyboard focus, as a user who sees
        it drawn would: keys typed then reach the program."""
        while time.time() < deadline:
            focus = self.xdotool("getwindowfocus", "-f").stdout.strip()
            if focus.isdigit() and int(focus) == window:
                return
            time.sleep(0.05)

    def geometry(self, window):
        """(x, y, width, height) of the window; without a window manager there is
        no frame, so this is the client area."""
        d = xdisplay.Display(self.display)
        try:
            w = d.create_resource_object("window", window)
            g = w.get_geometry()
            pos = w.translate_coords(d.screen().root, 0, 0)
            return (-pos.x, -pos.y, g.width, g.height)
        finally:
            d.close()

    def close_window(self, window):
        d = xdisplay.Display(self.display)
        try:
            w = d.create_resource_object("window", window)
            protocols = d.intern_atom("WM_PROTOCOLS")
            delete = d.intern_atom("WM_DELETE_WINDOW")
            event = protocol.event.ClientMessage(window=w, client_type=protocols,
                                                 data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            w.send_event(event, event_mask=X.NoEventMask)
            d.sync()  # a round trip: the server has handled the request before we hang up
        finally:
            d.close()

    def wait_exit(self, timeout=30):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise AssertionError("program did not end:\n" + self.output())

    def output(self):
        if self.proc and self.proc.stdout and self.proc.poll() is not None:
            return self.proc.stdout.read().decode(errors="replace")
        return ""

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


def run(tests):
    """Runs test functions (program, scratch) and prints a summary; exit code for ctest."""
    program, scratch = sys.argv[1], sys.argv[2]
    os.makedirs(scratch, exist_ok=True)
    failed = 0
    for test in tests:
        try:
            test(program, scratch)
            print("PASS", test.__name__)
        except Exception as error:  # noqa: BLE001 - report every failure and go on
            failed += 1
            print("FAIL", test.__name__, "-", error)
    print("%d passed, %d failed" % (len(tests) - failed, failed))
    return 1 if failed else 0


# What several end-to-end tests share: the user's files, the clipboard, clicks.

TITLE = "Vorquil III"
BOM = b"\xef\xbb\xbf"
DELIVERED = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
# Where a tab page starts in the main window's client area (tab panel at 3, 3
# plus its tab bar); control positions of a tab are relative to it.
PAGE_ORIGIN = (5, 28)


def config_bytes(lines):
    """A group-and-key file as the program writes it: mark, empty first line, CR LF."""
    return BOM + b"\r\n" + "".join(line + "\r\n" for line in lines).encode("utf-8")


def config_path(session):
    return os.path.join(session.data_folder, "Data", "Config.cfg")


def write_config(session, lines, libraries=("Cuivre.tub",)):
    """The configuration and some delivered libraries, as a user's data folder holds them."""
    data = os.path.dirname(config_path(session))
    os.makedirs(data, exist_ok=True)
    for library in libraries:
        shutil.copy(os.path.join(DELIVERED, library), data)
    with open(config_path(session), "wb") as f:
        f.write(config_bytes(lines))


def clipboard(session):
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=session.env(),
                            capture_output=True, timeout=10)
    return result.stdout.decode("utf-8", errors="replace")


def wait_for(condition, what, session, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return
        time.sleep(0.1)
    raise AssertionError("%s\n%s" % (what, session.output()))


def wait_for_clipboard(session, expected, timeout=10):
    deadline = time.time() + timeout
    seen = None
    while time.time() < deadline:
        seen = clipboard(session)
        if seen == expected:
            return
        time.sleep(0.1)
    raise AssertionError("clipboard holds %r, expected %r\n%s" % (seen, expected, session.output()))


def click_on_page(session, window, rect):
    """Clicks the middle of a control given by its position on a tab page."""
    x, y, w, h = rect
    session.xdotool("mousemove", "--window", str(window), str(PAGE_ORIGIN[0] + x + w // 2),
                    str(PAGE_ORIGIN[1] + y + h // 2))
    session.xdotool("click", "1")


def close(session, window):
    """Closes the window as a user does and expects the program to end cleanly."""
    session.close_window(window)
    code = session.wait_exit()
    assert code == 0, "exit code %d\n%s" % (code, session.output())


# The update check at close, against a misbehaving FTP server.

HOSTILE_FTP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "hostile_ftp_server.py")
ACCESS_TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "make-access-file.sh")
CHECK_DUE = ["[Init]", "SaveConfig = 1", "Update = 0", "UpdateAuto = 1", "LastUpdate = 1320932884"]


class HostileFtpServer:
    """tests/support/hostile_ftp_server.py in one MODE, on 127.0.0.1 at a free port."""

    def __init__(self, mode, log=None):
        self.args = ["/usr/bin/python3", HOSTILE_FTP, mode] + ([log] if log else [])
        self.proc = None
        self.port = 0

    def __enter__(self):
        self.proc = subprocess.Popen(self.args, stdout=subprocess.PIPE)
        line = self.proc.stdout.readline().decode()
        if not line.startswith("PORT "):
            self.proc.kill()
            raise RuntimeError("hostile FTP server did not start")
        self.port = int(line.split()[1])
        return self

    def __exit__(self, *exc):
        self.proc.kill()
        self.proc.wait()


def make_update_check_due(session, port, directory="maj"):
    """Configuration and access file of a user whose update check runs at this close."""
    write_config(session, libraries=(), lines=CHECK_DUE)
    subprocess.run(["bash", ACCESS_TOOL, "127.0.0.1:%d" % port, "vorquil", "s3cret", directory,
                    os.path.join(session.work, "Vorquil.dat")], check=True)


def close_and_time(session, window):
    """Closes the window; returns the seconds until the process ended and its peak
    resident memory in KiB (read while it runs)."""
    session.close_window(window)
    closed = time.monotonic()
    peak = 0
    while session.proc.poll() is None:
        try:
            with open("/proc/%d/status" % session.proc.pid) as status:
                for line in status:
                    if line.startswith("VmHWM:"):
                        peak = max(peak, int(line.split()[1]))
        except OSError:
            pass
        if time.monotonic() - closed > 120:
            session.proc.kill()
        time.sleep(0.02)
    return time.monotonic() - closed, peak


# A real window manager, for what only one shows: frames, stacking, transients.

class WindowManager:
    """openbox on the session's display while the block runs. Tests without it
    see no frames and no stacking rules."""

    def __init__(self, session):
        self.session = session
        self.proc = None

    def __enter__(self):
        env = self.session.env()
        for name in ("HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
            env[name] = self.session.root
        self.proc = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        wait_for(lambda: root_property(self.session, "_NET_SUPPORTING_WM_CHECK") is not None,
                 "openbox did not start", self.session)
        return self

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()


def root_property(session, name):
    """The values of a property of the root window, or None."""
    d = xdisplay.Display(session.display)
    try:
        found = d.screen().root.get_full_property(d.intern_atom(name), X.AnyPropertyType)
        return list(found.value) if found else None
    finally:
        d.close()


def transient_for(session, window):
    """The window named by WM_TRANSIENT_FOR, or None."""
    d = xdisplay.Display(session.display)
    try:
        owner = d.create_resource_object("window", window).get_wm_transient_for()
        return owner.id if owner else None
    finally:
        d.close()


def stacked_above(session, upper, lower):
    """True when the window manager stacks upper above lower."""
    order = root_property(session, "_NET_CLIENT_LIST_STACKING") or []  # bottom to top
    return upper in order and lower in order and order.index(upper) > order.index(lower)
