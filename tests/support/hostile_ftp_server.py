"""A misbehaving FTP server for the update check's tests and close-time bench.

    /usr/bin/python3 hostile_ftp_server.py MODE [LOG]

Listens on 127.0.0.1 at a free port, prints "PORT n" on standard output, and
serves any user and password, any directory, one way of misbehaving:

  normal              "Update.info" (33 bytes, Version = 3.1.10) is listed and sent
  stalled-greeting    accepts the connection and never says a word
  trickled-listing    the listing comes one byte every 100 ms, for ever
  huge-listing        3 million entries, none of them "Update.info", at full speed
  file-then-endless   "Update.info" first, then entries without end
  trickled-file       the file (listed as 4096 bytes) comes one byte every 100 ms
  stalled-file        the file transfer opens and then nothing comes
  oversize-listed     "Update.info" listed as 10^12 bytes, and sent without end
  larger-than-listed  listed as 33 bytes, sent without end
  stalled-quit        like normal, but never answers the goodbye

LOG, when given, gets one line per command received and, per transfer, how
many bytes went out and whether the client cut it ("cut") or it ended ("done").
"""
import socket
import sys
import threading
import time

UPDATE_INFO = b"; Vorquil III\r\nVersion = 3.1.10\r\n"
MODES = ("normal", "stalled-greeting", "trickled-listing", "huge-listing", "file-then-endless",
         "trickled-file", "stalled-file", "oversize-listed", "larger-than-listed", "stalled-quit")


class Log:
    def __init__(self, path):
        self.file = open(path, "a", buffering=1) if path else None
        self.lock = threading.Lock()

    def write(self, line):
        if self.file:
            with self.lock:
                self.file.write(line + "\n")


def entry(name, size):
    return b"-rw-r--r--   1 owner    group %12d Dec 09 00:00 %s\r\n" % (size, name)


def listed_size(mode):
    return {"trickled-file": 4096, "oversize-listed": 10 ** 12}.get(mode, len(UPDATE_INFO))


def listing(mode):
    """The listing as a stream of chunks."""
    if mode == "huge-listing":
        for i in range(0, 3000000, 1000):
            yield b"".join(entry(b"other-%07d.txt" % n, 100) for n in range(i, i + 1000))
        return
    if mode == "trickled-listing":
        n = 0
        while True:
            for byte in entry(b"other-%07d.txt" % n, 100):
                yield bytes([byte])
            n += 1
    yield entry(b"readme.txt", 5) + entry(b"Update.info", listed_size(mode))
    if mode == "file-then-endless":
        n = 0
        while True:
            yield b"".join(entry(b"other-%07d.txt" % i, 100) for i in range(n, n + 1000))
            n += 1000


def content(mode):
    if mode == "trickled-file":
        while True:
            yield b"V"
    elif mode in ("oversize-listed", "larger-than-listed"):
        yield UPDATE_INFO
        while True:
            yield b";" * 65536
    else:
        yield UPDATE_INFO


def pause_between(mode):
    return 0.1 if mode in ("trickled-listing", "trickled-file") else 0


class Control:
    def __init__(self, sock, mode, log):
        self.sock, self.mode, self.log = sock, mode, log
        self.reader = sock.makefile("rb")
        self.passive = None

    def reply(self, text):
        self.sock.sendall(text.encode() + b"\r\n")

    def run(self):
        if self.mode == "stalled-greeting":
            self.reader.read()  # until the client hangs up
            return
        self.reply("220 ready")
        for raw in self.reader:
            line = raw.decode("latin-1").rstrip("\r\n")
            self.log.write("CMD " + line)
            verb, _, arg = line.partition(" ")
            verb = verb.upper()
            if verb == "USER":
                self.reply("331 password please")
            elif verb == "PASS":
                self.reply("230 welcome")
            elif verb == "PWD":
                self.reply('257 "/" is the current directory')
            elif verb in ("CWD", "TYPE", "NOOP"):
                self.reply("250 ok" if verb == "CWD" else "200 ok")
            elif verb in ("EPSV", "PASV"):
                self.open_passive(verb)
            elif verb == "SIZE":
                if arg == "Update.info":
                    self.reply("213 %d" % listed_size(self.mode))
                else:
                    self.reply("550 no such file")
            elif verb == "LIST":
                self.transfer("LIST", listing(self.mode))
            elif verb == "RETR":
                if arg == "Update.info":
                    self.transfer("RETR", content(self.mode))
                else:
                    self.reply("550 no such file")
            elif verb == "QUIT":
                if self.mode == "stalled-quit":
                    self.reader.read()
                else:
                    self.reply("221 bye")
                return
            else:
                self.reply("502 not here")

    def open_passive(self, verb):
        if self.passive:
            self.passive.close()
        self.passive = socket.socket()
        self.passive.bind(("127.0.0.1", 0))
        self.passive.listen(1)
        port = self.passive.getsockname()[1]
        if verb == "EPSV":
            self.reply("229 passive (|||%d|)" % port)
        else:
            self.reply("227 passive (127,0,0,1,%d,%d)" % (port // 256, port % 256))

    def transfer(self, what, chunks):
        if not self.passive:
            self.reply("425 no data connection")
            return
        self.reply("150 here it comes")
        data, _ = self.passive.accept()
        self.passive.close()
        self.passive = None
        sent = 0
        ended = "done"
        try:
            if what == "RETR" and self.mode == "stalled-file":
                data.recv(1)  # until the client hangs up
                ended = "cut"
            else:
                for chunk in chunks:
                    data.sendall(chunk)
                    sent += len(chunk)
                    if pause_between(self.mode):
                        time.sleep(pause_between(self.mode))
        except OSError:
            ended = "cut"
        data.close()
        self.log.write("%s-SENT %d %s" % (what, sent, ended))
        if ended == "done":
            self.reply("226 done")


def serve(connection, mode, log):
    try:
        Control(connection, mode, log).run()
    except OSError:
        pass
    finally:
        connection.close()


def main():
    mode = sys.argv[1]
    if mode not in MODES:
        sys.exit("mode is one of: " + ", ".join(MODES))
    log = Log(sys.argv[2] if len(sys.argv) > 2 else None)
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print("PORT %d" % listener.getsockname()[1], flush=True)
    while True:
        connection, _ = listener.accept()
        threading.Thread(target=serve, args=(connection, mode, log), daemon=True).start()


if __name__ == "__main__":
    main()
