#!/usr/bin/env python3
"""End-to-end runs of the reference host against the printer simulator.

    host_e2e.py --build DIR CASE [SAMPLE]

Cases:
  poll SAMPLE      poll the simulator serving SAMPLE; the English report, the
                   report in every language and the picture must match
                   tests/host/expected/SAMPLE.txt, SAMPLE.all.txt and SAMPLE.png
                   (the same for every build, 32-bit and 64-bit)
  replay SAMPLE    a saved reply replayed offline gives the report of the poll
  status SAMPLE    `pathost status` words the state as the poll does
  faults           printers that do not answer, close early, answer garbage or
                   only part of the query: clear messages, non-zero exits
  simulator        bad requests, dropped and concurrent connections: the
                   simulator keeps serving
  windows SAMPLE   the Windows host under Wine prints the same report in every
                   language and draws the same picture (--windows-build DIR);
                   exit 77 (skipped) when Wine cannot run the program
  valgrind SAMPLE  one whole poll with pathost under valgrind's memcheck: no
                   error, nothing definitely or indirectly lost

--update rewrites the expected reports instead of comparing them.
Every simulator started here stops by itself (lifetime and connection limits).
"""
import argparse
import os
import resource
import socket
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SAMPLES = os.path.join(ROOT, "samples")
EXPECTED = os.path.join(ROOT, "tests", "host", "expected")
WINE_RUN = os.path.join(ROOT, "tools", "dev", "wine-run")
SKIPPED = 77
RUN_TIMEOUT = 120

# The library's query for a fresh record with every flag, as the simulator receives it.
FULL_QUERY = ("\x1b%-12345X@PJL\r\n@PJL INFO CONFIG\r\n"
              "@PJL INQUIRE FRONTCOVERPRINTTRAY\r\n@PJL INQUIRE SLIPSHEETPRINTTRAY\r\n"
              "@PJL INQUIRE CHAPTERPRINTTRAY1\r\n"
              + "".join("@PJL INQUIRE INTRAY%d%s\r\n" % (t, s) for t in (1, 2)
                        for s in ("SIZE", "QUANT", "MEDIA", ""))
              + "@PJL INFO OUTBINSTATUS\r\n\x1b%-12345X").encode("ascii")
FULL_QUERY_ANSWERS = 13


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, timeout=RUN_TIMEOUT, **kwargs)


def sample_path(name):
    return os.path.join(SAMPLES, name + ".state")


class Simulator:
    """patsim on a free loopback port, for the duration of a `with` block."""

    def __init__(self, build, sample, *extra):
        self.build = build
        self.arguments = [sample_path(sample), "--lifetime", "90", "--idle", "10"] + list(extra)

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        port_file = os.path.join(self.folder.name, "port")
        # AddressSanitizer's quarantine would hold freed memory and hide
        # whether the simulator's own use stays flat.
        environment = dict(os.environ)
        if "ASAN_OPTIONS" in environment:
            environment["ASAN_OPTIONS"] += ":quarantine_size_mb=0"
        self.process = subprocess.Popen([os.path.join(self.build, "patsim"), "--port", "0",
                                         "--port-file", port_file] + self.arguments,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=environment)
        deadline = time.monotonic() + 30
        while not os.path.exists(port_file) or not open(port_file).read().strip():
            if self.process.poll() is not None:
                raise Failure("patsim ended: %s" % self.process.stderr.read().decode())
            check(time.monotonic() < deadline, "patsim did not start listening")
            time.sleep(0.05)
        self.port = int(open(port_file).read())
        self.address = "127.0.0.1:%d" % self.port
        return self

    def alive(self):
        return self.process.poll() is None

    def __exit__(self, *exc):
        if self.alive():
            self.process.terminate()
        self.process.wait(timeout=30)
        self.process.stderr.close()
        self.folder.cleanup()


def device_id(build, sample):
    result = run([os.path.join(build, "patsim"), "--device-id", sample_path(sample)])
    check(result.returncode == 0, "patsim --device-id failed")
    return result.stdout.decode().strip()


def host(build, *arguments, program="pathost"):
    return run([os.path.join(build, program)] + list(arguments))


def poll(build, simulator, sample, *extra, program="pathost"):
    return host(build, "poll", simulator.address, "--device-id", device_id(build, sample), *extra,
                program=program)


def require_success(result, what):
    check(result.returncode == 0, "%s: exit %d\n%s" % (what, result.returncode, result.stderr.decode()))


def section(report, title):
    """The lines of one report section, its heading included."""
    lines = report.decode().splitlines()
    start = lines.index(title)
    end = start + 1
    while end < len(lines) and lines[end].startswith(" "):
        end += 1
    return lines[start:end]


def compare_expected(name, actual, update):
    """Checks bytes against tests/host/expected/NAME, or rewrites it."""
    expected_file = os.path.join(EXPECTED, name)
    if update:
        with open(expected_file, "wb") as f:
            f.write(actual)
        return
    with open(expected_file, "rb") as f:
        expected = f.read()
    check(actual == expected, "%s differs from %s:\n%s" % (name, expected_file, actual.decode(errors="replace")))


def case_poll(args):
    with tempfile.TemporaryDirectory() as folder, Simulator(args.build, args.sample) as simulator:
        english = poll(args.build, simulator, args.sample, "--lang", "EN")
        require_success(english, "poll")
        picture = os.path.join(folder, "picture.png")
        every = poll(args.build, simulator, args.sample, "--lang", "all", "--picture", picture)
        require_success(every, "poll in every language")
        check(simulator.alive(), "the simulator stopped")
        with open(picture, "rb") as f:
            drawn = f.read()
    check(every.stdout.decode().count("Status (") == 17, "not every language has a status")
    compare_expected(args.sample + ".txt", english.stdout, args.update)
    compare_expected(args.sample + ".all.txt", every.stdout, args.update)
    compare_expected(args.sample + ".png", drawn, args.update)


def case_valgrind(args):
    memcheck = ["valgrind", "--quiet", "--error-exitcode=99", "--leak-check=full",
                "--show-leak-kinds=definite,indirect", "--errors-for-leak-kinds=definite,indirect"]
    with tempfile.TemporaryDirectory() as folder, Simulator(args.build, args.sample) as simulator:
        result = run(memcheck + [os.path.join(args.build, "pathost"), "poll", simulator.address,
                                 "--device-id", device_id(args.build, args.sample), "--lang", "all",
                                 "--picture", os.path.join(folder, "picture.png")])
    check(result.returncode != 99, "memcheck found errors:\n%s" % result.stderr.decode(errors="replace"))
    require_success(result, "the poll under memcheck")


def case_replay(args):
    with tempfile.TemporaryDirectory() as folder:
        reply = os.path.join(folder, "reply.pjl")
        ident = os.path.join(folder, "device-id.txt")
        with open(ident, "w") as f:
            f.write(device_id(args.build, args.sample) + "\n")
        with Simulator(args.build, args.sample) as simulator:
            polled = poll(args.build, simulator, args.sample, "--lang", "EN,DE", "--save-reply", reply)
        require_success(polled, "poll")
        replayed = host(args.build, "replay", "--reply", reply, "--device-id-file", ident, "--lang", "EN,DE")
        require_success(replayed, "replay")
        check(replayed.stdout == polled.stdout, "the replay differs from the poll:\n%s\n---\n%s"
              % (polled.stdout.decode(), replayed.stdout.decode()))


def case_status(args):
    with Simulator(args.build, args.sample) as simulator:
        polled = poll(args.build, simulator, args.sample, "--lang", "EN,JP")
    require_success(polled, "poll")
    described = host(args.build, "status", "--state", sample_path(args.sample), "--lang", "EN,JP")
    require_success(described, "status")
    for title in ("Status (EN)", "Status (JP)"):
        check(section(described.stdout, title) == section(polled.stdout, title),
              "%s differs between status and poll" % title)


def expect_failure(result, status, *phrases):
    stderr = result.stderr.decode()
    check(result.returncode == status, "exit %d, expected %d\n%s" % (result.returncode, status, stderr))
    for phrase in phrases:
        check(phrase in stderr, "missing %r in:\n%s" % (phrase, stderr))


def case_faults(args):
    sample = "idle_full"
    with Simulator(args.build, sample, "--fault", "silent") as simulator:
        result = poll(args.build, simulator, sample, "--timeout", "1")
        expect_failure(result, 3, "did not answer within 1 s")
        check("No Response from Machine" in result.stdout.decode(), "no-response status not shown")
    with Simulator(args.build, sample, "--fault", "close-early") as simulator:
        expect_failure(poll(args.build, simulator, sample), 1, "closed the connection after 1 of", "0x20000002")
        require_success(poll(args.build, simulator, sample, "--flags", "0x10"), "a one-question poll")
    with Simulator(args.build, sample, "--fault", "close-after-job") as simulator:
        result = poll(args.build, simulator, sample)
        require_success(result, "a poll of a printer that takes one job per connection")
        check("2 queries" in result.stderr.decode(), "the second query was not asked")
    with Simulator(args.build, sample, "--fault", "garbage") as simulator:
        expect_failure(poll(args.build, simulator, sample), 1, "0x20000002")
    with Simulator(args.build, sample, "--fault", "partial") as simulator:
        expect_failure(poll(args.build, simulator, sample, "--timeout", "1"), 1, "only 1 of", "0x20000002")
        check(simulator.alive(), "the simulator stopped")
    with Simulator(args.build, sample) as simulator:
        expect_failure(host(args.build, "poll", simulator.address, "--lang", "EN"), 1,
                       "none was given (--device-id)", "0x20000002")
    with Simulator(args.build, "no_response") as simulator:
        expect_failure(poll(args.build, simulator, "no_response", "--timeout", "1"), 3, "did not answer")
    # A printer that streams on without closing its answer is cut off at the
    # cap, long before the deadline, and the host's memory stays small.
    with Simulator(args.build, sample, "--fault", "endless") as simulator:
        started = time.monotonic()
        result = poll(args.build, simulator, sample, "--timeout", "100")
        expect_failure(result, 3, "MiB without closing its answers")
        check(time.monotonic() - started < 90, "the endless answer ran into the deadline")
        check(largest_child_mib() < 256, "pathost grew to %d MiB" % largest_child_mib())
        check(simulator.alive(), "the simulator stopped")
    with tempfile.TemporaryDirectory() as folder:
        reply = os.path.join(folder, "reply")
        open(reply, "w").close()
        long_id = "MFG:Maker;CMD:" + "X" * 65520 + ";"
        expect_failure(host(args.build, "replay", "--reply", reply, "--device-id", long_id), 1,
                       "the device ID is 65535 bytes long")
    free_port = socket.socket()
    free_port.bind(("127.0.0.1", 0))
    port = free_port.getsockname()[1]
    free_port.close()
    expect_failure(host(args.build, "poll", "127.0.0.1:%d" % port, "--timeout", "1"), 3, "no printer reached")
    expect_failure(host(args.build, "poll", "127.0.0.1:99999"), 2, "bad printer address")
    expect_failure(host(args.build, "replay", "--reply", "/nonexistent/reply"), 1, "cannot be read")


def largest_child_mib():
    """The peak memory of the largest program this script has waited for."""
    return resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024


def resident_mib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) // 1024
    return 0


def exchange(port, request, answers, timeout=10):
    """Sends a request and reads until `answers` form feeds or the end."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
        s.sendall(request)
        reply = b""
        while reply.count(b"\f") < answers:
            chunk = s.recv(4096)
            if not chunk:
                break
            reply += chunk
        return reply


def case_simulator(args):
    with Simulator(args.build, "idle_full") as simulator:
        reference = exchange(simulator.port, FULL_QUERY, FULL_QUERY_ANSWERS)
        check(reference.count(b"\f") == FULL_QUERY_ANSWERS, "incomplete answer to the full query")
        # Noise, an endless line, binary bytes, a request cut in the middle.
        with socket.create_connection(("127.0.0.1", simulator.port)) as s:
            s.sendall(b"\x00\xff\x1b garbage\r\n" + b"A" * 100000 + b"\n@PJL INFO CONF")
        with socket.create_connection(("127.0.0.1", simulator.port)) as s:
            s.sendall(b"@PJL\r\n@PJL FOO BAR\r\n@PJL INQUIRE\r\n")
        # A request split into single bytes gets the same answer.
        with socket.create_connection(("127.0.0.1", simulator.port), timeout=10) as s:
            for byte in FULL_QUERY:
                s.send(bytes([byte]))
            reply = b""
            while reply.count(b"\f") < FULL_QUERY_ANSWERS:
                chunk = s.recv(4096)
                if not chunk:
                    break
                reply += chunk
        check(reply == reference, "a byte-wise request got another answer")
        # A client that sends queries without end and never reads its answers:
        # the simulator stops reading it rather than piling the answers up.
        before = resident_mib(simulator.process.pid)
        with socket.create_connection(("127.0.0.1", simulator.port)) as s:
            s.settimeout(3)
            try:
                for _ in range(80000):  # some 65 MiB of answers
                    s.sendall(FULL_QUERY)
            except socket.timeout:
                pass
            grown = resident_mib(simulator.process.pid) - before
            check(grown < 8, "patsim grew by %d MiB for a client that does not read" % grown)
        # Several polls at once, each on its own connection.
        results = [None] * 8

        def client(index):
            results[index] = exchange(simulator.port, FULL_QUERY * 2, 2 * FULL_QUERY_ANSWERS)

        threads = [threading.Thread(target=client, args=(i,)) for i in range(len(results))]
        for t in threads:
            t.start()
        for t in threads:
            t.join(60)
        check(all(r == reference * 2 for r in results), "concurrent polls got other answers")
        check(simulator.alive(), "the simulator stopped")
        require_success(poll(args.build, simulator, "idle_full"), "a poll after the abuse")
    with Simulator(args.build, "idle_full", "--connections", "2") as simulator:
        exchange(simulator.port, FULL_QUERY, FULL_QUERY_ANSWERS)
        exchange(simulator.port, FULL_QUERY, FULL_QUERY_ANSWERS)
        simulator.process.wait(timeout=30)
        check(simulator.process.returncode == 0, "the connection limit did not end the simulator")


def wine_can_run():
    return run([WINE_RUN, "--check"]).returncode == 0


def case_windows(args):
    exe = os.path.abspath(os.path.join(args.windows_build or "", "pathost.exe"))
    if not args.windows_build or not os.path.exists(exe):
        print("skipped: no Windows build of pathost (%s)" % exe)
        return SKIPPED
    if not wine_can_run():
        print("skipped: Wine cannot run Windows programs here")
        return SKIPPED
    with tempfile.TemporaryDirectory() as folder, Simulator(args.build, args.sample) as simulator:
        ident = device_id(args.build, args.sample)
        linux_png = os.path.join(folder, "linux.png")
        linux = host(args.build, "poll", simulator.address, "--device-id", ident, "--lang", "all",
                     "--picture", linux_png)
        require_success(linux, "the Linux host")
        windows = run([WINE_RUN, exe, "poll", simulator.address, "--device-id", ident, "--lang", "all",
                       "--picture", "windows.png"], cwd=folder)
        check(windows.returncode != SKIPPED, "wine-run gave up")
        require_success(windows, "the Windows host")
        check(windows.stdout == linux.stdout, "the hosts print different reports:\n%s\n---\n%s"
              % (linux.stdout.decode(errors="replace"), windows.stdout.decode(errors="replace")))
        with open(linux_png, "rb") as a, open(os.path.join(folder, "windows.png"), "rb") as b:
            check(a.read() == b.read(), "the hosts draw different pictures")


CASES = {"poll": case_poll, "replay": case_replay, "status": case_status, "faults": case_faults,
         "simulator": case_simulator, "windows": case_windows, "valgrind": case_valgrind}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the native build folder (pathost, patsim)")
    parser.add_argument("--windows-build", help="the Windows build folder of the same width (pathost.exe, patmodel.dll)")
    parser.add_argument("--update", action="store_true", help="rewrite the expected reports")
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("sample", nargs="?")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    try:
        return CASES[args.case](args) or 0
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAILED: %s" % failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
