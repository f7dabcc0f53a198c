#!/usr/bin/env python3
"""Runs a command beside a real IRC server of its own: Debian's ngircd in the foreground on 127.0.0.1 and a free
port, its configuration, log and pid in a fresh folder under RUN_DIR. The command finds the port in
MARQUILL_IRC_PORT (Wine hands the variable on to Windows programs). The server is stopped when the command ends,
and also when this script is killed, so no server outlives its run; a server that another run left behind holds
only its own port and folder.

A Windows program under Wine cannot own a Linux process (it can neither wait for it nor signal it), so the server
is started here, on the Linux side, around the Wine command.

Usage: irc_server.py RUN_DIR COMMAND [ARGUMENT...]   exits with the command's exit code."""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SERVER_NAME = "irc.marquill.test"
START_TRIES = 5
START_TIMEOUT_S = 10.0

# Only what a server on the loopback needs; every limit is the one ngircd ships with.
CONFIG = """[Global]
Name = {name}
Info = MarquillAmp test server
AdminInfo1 = MarquillAmp tests
AdminInfo2 = loopback only
AdminEMail = nobody@{name}
Listen = 127.0.0.1
Ports = {port}
MotdPhrase = MarquillAmp test server

[Options]
PAM = no
Ident = no
DNS = no
"""


def free_port():
    # The port the system hands out next; another program may take it before ngircd does, hence the retries.
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


# Ends the server (argv[1]) when this script dies, however it dies. ngircd cannot be asked to itself: started as
# root it changes to the user "nobody", and a change of user clears a process's parent-death signal.
WATCHDOG = """
import ctypes, os, signal, sys, time
server, parent = int(sys.argv[1]), int(sys.argv[2])
signal.signal(signal.SIGTERM, lambda *_: (os.kill(server, signal.SIGTERM), os._exit(0)))
ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
if os.getppid() != parent:
    os.kill(server, signal.SIGTERM)
    os._exit(0)
while True:
    time.sleep(3600)
"""


def accepts(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=0.5) as probe:
            probe.sendall(b"QUIT\r\n")
        return True
    except OSError:
        return False


def start_server(folder):
    for _ in range(START_TRIES):
        port = free_port()
        config = os.path.join(folder, "ngircd.conf")
        with open(config, "w") as out:
            out.write(CONFIG.format(name=SERVER_NAME, port=port))
        log = open(os.path.join(folder, "ngircd.log"), "ab")
        server = subprocess.Popen(["ngircd", "--nodaemon", "--config", config], stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=subprocess.STDOUT)
        log.close()
        server.watchdog = subprocess.Popen([sys.executable, "-c", WATCHDOG, str(server.pid), str(os.getpid())])
        with open(os.path.join(folder, "ngircd.pid"), "w") as out:
            out.write("%d\n" % server.pid)
        deadline = time.monotonic() + START_TIMEOUT_S
        while time.monotonic() < deadline and server.poll() is None:
            if accepts(port):
                return server, port
            time.sleep(0.05)
        stop_server(server)
    sys.exit("irc_server: ngircd did not start (see %s)" % os.path.join(folder, "ngircd.log"))


def stop_server(server):
    server.watchdog.kill()
    server.watchdog.wait()
    if server.poll() is None:
        server.terminate()
        try:
            server.wait(timeout=5)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.split("\n\n")[-1])
    run_dir = sys.argv[1]
    os.makedirs(run_dir, exist_ok=True)
    folder = tempfile.mkdtemp(prefix="ngircd-", dir=run_dir)
    server, port = start_server(folder)
    # A signal to this script ends the command (and so the server) as an interrupted run should.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        command = subprocess.run(sys.argv[2:], env=dict(os.environ, MARQUILL_IRC_PORT=str(port)))
        status = command.returncode
    finally:
        stop_server(server)
    shutil.rmtree(folder, ignore_errors=True)
    sys.exit(status)


if __name__ == "__main__":
    main()
