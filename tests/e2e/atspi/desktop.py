"""A private desktop for the real Pelmar, as a screen reader and the keyboard meet it.

An X server (Xvfb), a D-Bus session bus with the accessibility bus (at-spi2-core), dmsim on
127.0.0.1 and a copy of the program folder whose PELMAR.INI points at it. The desktop is this
process's environment (DISPLAY, the session bus), so that the screen reader's side (libatspi) and
the keyboard (xdotool) reach it: one desktop per process.

Every process it starts ends with it: the direct children also when this process is killed,
everything the buses started (the accessibility bus launcher, its bus, the registry) when the
desktop closes, since this process adopts them as they are orphaned.
"""

import ctypes
import os
import random
import select
import shutil
import signal
import subprocess
import tempfile
import time

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def _first_line(process, what, limit=20):
    """The first line a starting process writes to its standard output."""
    ready, _, _ = select.select([process.stdout], [], [], limit)
    line = process.stdout.readline().decode().strip() if ready else ""
    if not line:
        raise RuntimeError(f"{what} did not start")
    return line


def _display_numbers():
    """Display numbers to try, far above the low ones that Xvfb -displayfd hands out first, so
    that desktops started at the same moment (ctest -j) do not race for one."""
    return random.sample(range(100, 30000), 20)


class Desktop:
    """Use as a context manager; pelmar runs between enter and exit."""

    def __init__(self, bin_dir, dmsim_args=("demo",)):
        self.bin_dir = bin_dir
        self.dmsim_args = list(dmsim_args)
        self.processes = []
        self.folder = None

    @property
    def save_folder(self):
        return os.path.join(self.folder, "data")

    def __enter__(self):
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        self.folder = tempfile.mkdtemp(prefix="pelmar-atspi-")
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _spawn(self, args, log=None, errors=subprocess.STDOUT):
        """Starts a process whose output is read from a pipe, or goes into the log file."""
        if log:
            with open(os.path.join(self.folder, log), "wb") as output:
                process = subprocess.Popen(args, stdout=output, stderr=subprocess.STDOUT,
                                           cwd=self.folder, preexec_fn=_die_with_parent)
        else:
            process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=errors,
                                       cwd=self.folder, preexec_fn=_die_with_parent)
        self.processes.append(process)
        return process

    def _start_x_server(self):
        """Xvfb on a free display; it writes the number once it takes connections. -noreset:
        by default it resets when its last client leaves (the accessibility bus launcher, once it
        has set its address on the root window), and refuses the clients that come meanwhile."""
        for number in _display_numbers():
            xvfb = self._spawn(["Xvfb", f":{number}", "-displayfd", "1", "-noreset", "-screen",
                                "0", "1280x1024x24", "-nolisten", "tcp"], errors=subprocess.DEVNULL)
            ready, _, _ = select.select([xvfb.stdout], [], [], 20)
            if ready and xvfb.stdout.readline().decode().strip() == str(number):
                return f":{number}"
            # Taken: that server has ended.
            xvfb.kill()
            xvfb.wait()
            xvfb.stdout.close()
            self.processes.remove(xvfb)
        raise RuntimeError("Xvfb found no free display")

    def _start(self):
        for name in os.listdir(self.bin_dir):
            path = os.path.join(self.bin_dir, name)
            if os.path.isfile(path):
                shutil.copy2(path, self.folder, follow_symlinks=False)
        os.mkdir(self.save_folder)
        # The buses' sockets and Qt's runtime files stay in the run's folder.
        os.environ["XDG_RUNTIME_DIR"] = self.folder

        os.environ["DISPLAY"] = self._start_x_server()
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"])
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = _first_line(bus, "the session bus")
        # The accessibility bus is there before pelmar looks for it.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
                       check=True, timeout=20)
        # Qt registers with the accessibility bus only when asked to.
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        os.environ["QT_QPA_PLATFORM"] = "xcb"

        dmsim = self._spawn([os.path.join(self.folder, "dmsim"), "--port", "0"] + self.dmsim_args)
        listening = _first_line(dmsim, "dmsim")
        if not listening.startswith("dmsim listening on 127.0.0.1:"):
            raise RuntimeError(f"dmsim said: {listening}")
        self.dm_port = listening.rsplit(":", 1)[1]
        self._write_ini(self.dm_port)
        self.pelmar = self._spawn([os.path.join(self.folder, "pelmar")], log="pelmar.log")

    def _write_ini(self, port):
        # Pelmar must never start without a configuration that points at 127.0.0.1. The file is
        # code page 932 with CR LF, written through iconv as Pelmar's own text files are.
        text = (f"1,{self.save_folder},(保存フォルダ)\r\n10,127.0.0.1,(DMのIPアドレス)\r\n"
                f"11,{port},(DMのポート番号)\r\n12, 0,(保存方式)\r\n"
                "13, 80,(Jpeg圧縮率)\r\n")
        encoded = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=text.encode(),
                                 stdout=subprocess.PIPE, check=True).stdout
        with open(os.path.join(self.folder, "PELMAR.INI"), "wb") as ini:
            ini.write(encoded)

    def keys(self, *keys):
        """Presses the keys (X key names, chords as "shift+Tab") one after another, as the
        inspector does on the keyboard of the focused window."""
        self._xdotool("key", "--delay", "50", *keys)

    def type(self, text):
        self._xdotool("type", "--delay", "50", text)

    def click(self, x, y):
        """Clicks the mouse's left button at this point of the screen. (Not mousemove --sync: it
        waits for a move, which does not come when the pointer is there already.)"""
        self._xdotool("mousemove", str(x), str(y), "click", "1")

    def focus(self, title):
        """Gives the keyboard to the shown window of this caption, as a window manager would.
        (Hidden windows may carry the same caption: report page 1 behind page 2.)"""
        self._xdotool("search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowfocus",
                      "--sync")

    @staticmethod
    def _xdotool(*args):
        subprocess.run(["xdotool", *args], check=True, timeout=20)

    def pelmar_output(self):
        with open(os.path.join(self.folder, "pelmar.log"), errors="replace") as log:
            return log.read()

    def __exit__(self, *_):
        # pelmar and dmsim first, then the session bus (the accessibility bus follows it), then
        # the X server.
        for process in self.processes[::-1]:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
            if process.stdout:
                process.stdout.close()
        self._reap_orphans()
        shutil.rmtree(self.folder, ignore_errors=True)

    @staticmethod
    def _reap_orphans(limit=5):
        """Ends what the buses started and this process adopted, politely first."""
        deadline = time.monotonic() + limit
        sig = signal.SIGTERM
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid:
                continue
            if time.monotonic() > deadline:
                sig = signal.SIGKILL
            for child in _children():
                try:
                    os.kill(child, sig)
                except ProcessLookupError:
                    pass
            time.sleep(0.05)


def _children():
    me, children = os.getpid(), []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                # The parent's id is the second field after the parenthesised command name.
                if int(stat.read().rsplit(")", 1)[1].split()[1]) == me:
                    children.append(int(pid))
        except (OSError, IndexError, ValueError):
            pass
    return children
