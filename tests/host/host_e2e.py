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
                   only part of the query, or whose device ID cannot be had:
                   clear messages, non-zero exits
  simulator        bad requests, dropped and concurrent connections: the
                   simulator keeps serving
  windows SAMPLE   the Windows host under Wine prints the same report in every
                   language and draws the same picture (--windows-build DIR);
                   exit 77 (skipped) when Wine cannot run the program
  valgrind SAMPLE  one whole poll with pathost under valgrind's memcheck: no
                   error, nothing definitely or indirectly lost
  snmp             polls without --device-id: the device ID from a real snmpd
                   (its own configuration, on a free loopback port) that serves
                   the simulator's current one; agents that do not answer or
                   answer wrongly, and no agent: the status unknown, with the
                   reason; exit 77 when this pathost cannot ask by SNMP
  watch            `pathost watch` over a simulator whose state changes: every
                   change printed once, JSON per poll, a clean end on SIGINT
  options          --help, --opt=value, refused values of both programs
  files            files that are no printer port or no device ID: refused
                   before anything is written, left as they were, read no
                   further than a device ID goes; a pipe read once and kept;
                   outputs that cannot be written fail the poll; the JSON's
                   time in the local zone

--update rewrites the expected reports instead of comparing them.
Every simulator started here stops by itself (lifetime and connection limits).
"""
import argparse
import contextlib
import os
import re
import resource
import signal
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
RUN_TIMEOUT = 300  # one program's run: only a hang reaches it
# Wine's first start in a run, emulated and on a busy machine, takes minutes
# (its check and its poll fit in the test's own 600 s).
WINE_TIMEOUT = 270
# A deadline that only a hung run reaches: every wait here is for a condition.
DEADLINE = 90
HOST_WORDS = os.path.join(ROOT, "host", "words")
STATUS_HEADING_WORD = 15005

sys.path.insert(0, os.path.join(ROOT, "tools"))
import strings_format  # noqa: E402

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


def run(command, timeout=RUN_TIMEOUT, **kwargs):
    return subprocess.run(command, capture_output=True, timeout=timeout, **kwargs)


def sample_path(name):
    return os.path.join(SAMPLES, name + ".state")


class Simulator:
    """patsim on a free loopback port, for the duration of a `with` block.
    Its lifetime only ends one that a killed test left behind."""

    def __init__(self, build, sample, *extra):
        self.build = build
        # No sample: the state comes from a --script among the extra arguments.
        self.arguments = ([sample_path(sample)] if sample else []) + ["--lifetime", "900", "--idle", "10"] + list(extra)

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
        deadline = time.monotonic() + DEADLINE
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

    def next_state(self):
        """Moves a script on to its next state (its steps are long: the test says when)."""
        self.process.send_signal(signal.SIGUSR1)

    def __exit__(self, *exc):
        if self.alive():
            self.process.terminate()
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            # An i386 sanitizer build under qemu's user-mode emulation can
            # spin after its signal handler instead of ending; what the
            # test checked is done, so it is ended the hard way.
            self.process.kill()
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


def status_heading(language):
    """The heading of a language's status section, in that language's words: "Status (DE)"."""
    words = strings_format.read_strings(strings_format.string_file_path(HOST_WORDS, language.lower()))
    return "%s (%s)" % (words[STATUS_HEADING_WORD], language)


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
    languages = [lang.upper() for lang, _, _ in strings_format.read_languages(
        os.path.join(ROOT, "resources", "languages.txt"))]
    headings = every.stdout.decode().splitlines()
    check(all(status_heading(lang) in headings for lang in languages), "not every language has a status")
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
    for title in (status_heading("EN"), status_heading("JP")):
        check(section(described.stdout, title) == section(polled.stdout, title),
              "%s differs between status and poll" % title)


def expect_failure(result, status, *phrases):
    stderr = result.stderr.decode()
    check(result.returncode == status, "exit %d, expected %d\n%s" % (result.returncode, status, stderr))
    for phrase in phrases:
        check(phrase in stderr, "missing %r in:\n%s" % (phrase, stderr))


EXIT_STATUS_UNKNOWN = 4
STATUS_UNKNOWN = "Status unknown: no device ID: "


def expect_unknown(result, reason):
    """A poll whose printer answered without a device ID: its own exit status,
    the report's status saying it is unknown and why (never a status text),
    the rest of the poll still shown."""
    expect_failure(result, EXIT_STATUS_UNKNOWN, "--device-id")
    report = result.stdout.decode()
    check("  " + STATUS_UNKNOWN in report and reason in report.split(STATUS_UNKNOWN, 1)[1].splitlines()[0],
          "the status is not unknown because of %r:\n%s" % (reason, report))
    check(status_short(result.stdout) is None, "a status text for an unknown status:\n" + report)
    check("Input trays (EN)" in report, "the PJL answers are not shown")


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
        expect_failure(poll(args.build, simulator, sample), 1, "the printer answered, but not in PJL", "0x20000002")
    with Simulator(args.build, sample, "--fault", "partial") as simulator:
        expect_failure(poll(args.build, simulator, sample, "--timeout", "5"), 1, "only 1 of", "0x20000002")
        check(simulator.alive(), "the simulator stopped")
    with Simulator(args.build, sample) as simulator, silent_udp_port() as snmp_port:
        # No device ID (no SNMP agent, or no SNMP in this build): the status is unknown.
        result = host(args.build, "poll", simulator.address, "--lang", "EN", "--snmp-port", str(snmp_port),
                      "--timeout", "5")
        expect_unknown(result, "")
    with Simulator(args.build, "no_response") as simulator:
        expect_failure(poll(args.build, simulator, "no_response", "--timeout", "1"), 3, "did not answer")
    # A printer that streams on without closing its answer is cut off at the
    # cap, long before the deadline, and the host's memory stays small.
    with Simulator(args.build, sample, "--fault", "endless") as simulator:
        result = poll(args.build, simulator, sample, "--timeout", "100")
        expect_failure(result, 3, "MiB without closing its answers")
        check(largest_child_mib() < 256, "pathost grew to %d MiB" % largest_child_mib())
        check(simulator.alive(), "the simulator stopped")
    with tempfile.TemporaryDirectory() as folder:
        reply = os.path.join(folder, "reply")
        open(reply, "w").close()
        long_id = "MFG:Maker;CMD:" + "X" * 65520 + ";"
        expect_failure(host(args.build, "replay", "--reply", reply, "--device-id", long_id), 1,
                       "the device ID is 65535 bytes long")
    with refusing_tcp_port() as port:
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


@contextlib.contextmanager
def refusing_tcp_port():
    """A loopback TCP port of this test's own that refuses connections: bound,
    never listening, so no other program can take it meanwhile."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        yield s.getsockname()[1]


@contextlib.contextmanager
def silent_udp_port():
    """A loopback UDP port of this test's own where nothing ever answers."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        yield s.getsockname()[1]


def free_udp_port():
    """A UDP port free a moment ago: whoever takes it must retry if another did first."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


PPM_DEVICE_ID = ".1.3.6.1.4.1.2699.1.2.1.2.1.1.3"
ENTERPRISE_DEVICE_ID = ".1.3.6.1.4.1.11.2.3.9.1.1.7"


class SnmpAgent:
    """Debian's snmpd on a free loopback UDP port, with a configuration and a
    persistent folder of its own (no system file read or written), passing the
    device ID objects to `patsim --snmp-pass FILE` (pass_persist: snmpd caches
    the answers of plain pass programs)."""

    def __init__(self, build, device_id_file, objects=(PPM_DEVICE_ID, ENTERPRISE_DEVICE_ID), value_type="string"):
        self.build = build
        self.device_id_file = device_id_file
        self.objects = objects
        self.value_type = value_type

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        # The port is free when chosen; if another program takes it before
        # snmpd binds it, snmpd ends, and another port is tried.
        for _ in range(10):
            if self.start():
                return self
        raise Failure("snmpd did not start: %s" % self.log_text())

    def start(self):
        """Starts snmpd on a free port; False if it could not bind the port."""
        config = os.path.join(self.folder.name, "snmpd.conf")
        patsim = os.path.join(self.build, "patsim")
        with open(config, "w") as f:
            f.write("rocommunity public 127.0.0.1\n")
            for oid in self.objects:
                f.write("pass_persist %s %s --snmp-type %s --snmp-pass %s\n" % (oid, patsim, self.value_type,
                                                                         self.device_id_file))
        self.port = free_udp_port()
        persist = os.path.join(self.folder.name, "persist")
        os.makedirs(persist, exist_ok=True)
        environment = dict(os.environ, SNMP_PERSISTENT_DIR=persist, SNMPCONFPATH=persist, MIBS="",
                           MIBDIRS=persist)
        self.log = os.path.join(self.folder.name, "log")
        if os.path.exists(self.log):
            os.remove(self.log)
        self.process = subprocess.Popen(["/usr/sbin/snmpd", "-f", "-Lf", self.log, "-C", "-c", config, "-p",
                                         os.path.join(self.folder.name, "pid"), "udp:127.0.0.1:%d" % self.port],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=environment)
        deadline = time.monotonic() + DEADLINE
        while "NET-SNMP version" not in self.log_text():
            if self.process.poll() is not None:
                check("Error opening specified endpoint" in self.log_text(), "snmpd ended: %s" % self.log_text())
                return False
            check(time.monotonic() < deadline, "snmpd did not start")
            time.sleep(0.05)
        return True

    def log_text(self):
        return open(self.log).read() if os.path.exists(self.log) else ""

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait(timeout=30)
        self.folder.cleanup()


def snmp_poll(build, simulator, agent, *extra):
    # The agent starts its pass program on the first request: generous time for a slow build.
    return host(build, "poll", simulator.address, "--snmp-port", str(agent.port), "--timeout", "10", *extra)


def status_short(report):
    lines = [l for l in report.decode().splitlines() if l.strip().startswith("Short")]
    return lines[0].split(None, 1)[1] if lines else None


NO_SNMP_ANSWER = "no SNMP answer within 5 s (no agent on that port, or a wrong community"


def check_unknown_watched(build, simulator, *extra):
    """`watch` shows an unknown status as unknown, with its reason: in its line
    and in its JSON, whose `reason` is the report's."""
    import json
    text = watched_lines(build, [simulator.address], 1, "--lang", "EN,DE", *extra)[0].split("  ")[2]
    check(text.startswith(STATUS_UNKNOWN) and NO_SNMP_ANSWER in text, "watch line: " + text)
    polled = json.loads(watched_lines(build, [simulator.address], 1, "--json", "--lang", "EN,DE", *extra)[0])
    check(polled["outcome"] == "unknown" and polled["reason"].startswith("no device ID: " + NO_SNMP_ANSWER),
          "JSON: %s" % polled)
    check(polled["texts"]["EN"]["short"] == "Status unknown" and polled["texts"]["DE"]["short"] == "Status unbekannt"
          and polled["texts"]["EN"]["long"] == polled["reason"], "JSON texts: %s" % polled["texts"])


def write_script(folder, *steps):
    """A script of (sample, [fault]) steps that move on only when the test
    says so (Simulator.next_state): a step lasts longer than any test."""
    script = os.path.join(folder, "states.script")
    with open(script, "w") as f:
        for sample, *fault in steps:
            f.write("%s 3600 %s\n" % (sample_path(sample), " ".join(fault)))
    return script


def case_snmp(args):
    with tempfile.TemporaryDirectory() as folder:
        device_id_file = os.path.join(folder, "device-id")
        script = write_script(folder, ("paper_jam",), ("toner_out",))
        with Simulator(args.build, None, "--script", script, "--device-id-file", device_id_file) as simulator, \
                SnmpAgent(args.build, device_id_file) as agent:
            first = snmp_poll(args.build, simulator, agent)
            if "cannot ask by SNMP" in first.stderr.decode():
                print("skipped: this build of pathost has no SNMP")
                return SKIPPED
            require_success(first, "a poll with the device ID by SNMP")
            check(status_short(first.stdout) == "Paper Misfeed", first.stdout.decode())
            # The status follows the simulator's state, through the agent.
            simulator.next_state()
            seen = []
            deadline = time.monotonic() + DEADLINE
            while "No Toner" not in seen:
                check(time.monotonic() < deadline, "statuses seen after the change: %s" % seen)
                result = snmp_poll(args.build, simulator, agent)
                require_success(result, "a poll by SNMP")
                check("device ID" not in result.stderr.decode(), result.stderr.decode())
                seen.append(status_short(result.stdout))
            check(set(seen) <= {"Paper Misfeed", "No Toner"}, "statuses seen: %s" % seen)
            require_success(snmp_poll(args.build, simulator, agent, "--snmp-version", "1"), "SNMPv1")
            # The given device ID wins.
            given = snmp_poll(args.build, simulator, agent, "--device-id", device_id(args.build, "idle_full"))
            require_success(given, "a poll with --device-id")
            check(status_short(given.stdout) not in ("Paper Misfeed", "No Toner"), "--device-id did not win")
            # A wrong community gets no answer, as no agent does: the status is unknown.
            wrong = ["--community", "private", "--timeout", "5"]
            expect_unknown(snmp_poll(args.build, simulator, agent, *wrong), NO_SNMP_ANSWER)
            check_unknown_watched(args.build, simulator, "--snmp-port", str(agent.port), *wrong)
        with Simulator(args.build, "paper_jam") as simulator, silent_udp_port() as snmp_port:
            expect_unknown(host(args.build, "poll", simulator.address, "--snmp-port", str(snmp_port),
                                "--timeout", "5"), NO_SNMP_ANSWER)
        with Simulator(args.build, "paper_jam", "--device-id-file", device_id_file) as simulator:
            # A printer with the enterprise object only.
            with SnmpAgent(args.build, device_id_file, objects=(ENTERPRISE_DEVICE_ID,)) as agent:
                result = snmp_poll(args.build, simulator, agent)
                require_success(result, "the enterprise object")
                check(status_short(result.stdout) == "Paper Misfeed", result.stdout.decode())
            # Answers that are no device ID.
            empty = os.path.join(folder, "empty")
            open(empty, "w").close()
            for served, settings, reason in ((device_id_file, {"value_type": "integer"}, "not an OCTET STRING"),
                                             (empty, {}, "device ID is empty"),
                                             (device_id_file, {"objects": ()}, "knows no device ID object")):
                with SnmpAgent(args.build, served, **settings) as agent:
                    expect_unknown(snmp_poll(args.build, simulator, agent), reason)
        check(not os.path.exists("/var/lib/snmp/cert_indexes"), "an SNMP program wrote /var/lib/snmp")


class Watch:
    """pathost watch, its output read as it runs, ended with SIGINT as Ctrl-C
    does.  The test waits for the lines it expects, not for a time: one poll
    of a slow or emulated build may take seconds."""

    def __init__(self, build, addresses, *extra):
        self.command = [os.path.join(build, "pathost"), "watch"] + addresses + list(extra)
        self.out = b""

    def __enter__(self):
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen(self.command, stdout=subprocess.PIPE, stderr=self.errors)
        return self

    def lines(self):
        return self.out.decode().splitlines()

    def wait_for(self, enough, what):
        """Reads until the lines so far satisfy `enough`."""
        import select
        end = time.monotonic() + DEADLINE
        while not enough(self.lines()):
            check(time.monotonic() < end, "%s: not within %d s:\n%s" % (what, DEADLINE, self.out.decode()))
            if select.select([self.process.stdout], [], [], 0.2)[0]:
                chunk = os.read(self.process.stdout.fileno(), 65536)
                check(chunk, "watch ended early:\n%s" % self.out.decode())
                self.out += chunk

    def stop(self):
        """Interrupts the watch; its whole output and standard error."""
        self.process.send_signal(signal.SIGINT)
        rest, _ = self.process.communicate(timeout=60)
        self.out += rest
        self.errors.seek(0)
        err = self.errors.read().decode(errors="replace")
        check(self.process.returncode == 0, "watch ended with %d: %s" % (self.process.returncode, err))
        check("watch stopped" in err, "watch did not stop cleanly")
        return self.out.decode(), err

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.communicate(timeout=60)
        self.errors.close()


def watched_lines(build, addresses, count, *extra):
    """The first lines of a watch, which then stops cleanly."""
    with Watch(build, addresses, *extra) as watch:
        watch.wait_for(lambda lines: len(lines) >= count, "%d lines of watch" % count)
        out, _ = watch.stop()
    return out.splitlines()


def case_watch(args):
    import json

    def text_of(line):
        return line.split("  ")[2]

    def shows(text):
        return lambda lines: any(text_of(l) == text for l in lines)

    with tempfile.TemporaryDirectory() as folder:
        device_id_file = os.path.join(folder, "device-id")
        script = write_script(folder, ("paper_jam",), ("toner_out",), ("no_response",))
        with Simulator(args.build, None, "--script", script, "--device-id-file", device_id_file) as simulator:
            # The device ID of the states comes with the poll as a file, for builds without SNMP.
            with Watch(args.build, [simulator.address], "--interval", "0.2", "--timeout", "1",
                       "--device-id-file", device_id_file) as watch:
                for text in ("Paper Misfeed", "No Toner", "No Response from Machine"):
                    watch.wait_for(shows(text), text)
                    simulator.next_state()
                watch.wait_for(lambda lines: len(lines) >= 4, "back to the first state")
                out, err = watch.stop()
            lines = out.splitlines()
            # A line is a change: the text or the engine status codes differ from the line before.
            shown = [l.split("  ", 2)[2] for l in lines]
            check(all(a != b for a, b in zip(shown, shown[1:])), "a change printed twice:\n" + out)
            check(any("[42001]" in l for l in lines), "no engine status codes:\n" + out)
            with Watch(args.build, [simulator.address, simulator.address], "--interval", "0.3", "--timeout", "5",
                       "--json", "--lang", "EN,DE", "--device-id-file", device_id_file) as watch:
                watch.wait_for(lambda lines: len(lines) >= 4, "four JSON polls")
                out, err = watch.stop()
            polls = [json.loads(line) for line in out.splitlines()]
            check(len(polls) >= 4, "too few JSON polls:\n" + out)
            for p in polls:
                check(set(p) >= {"time", "printer", "outcome", "reason", "record", "texts", "layers"}, "JSON: %s" % p)
                check(RFC3339.match(p["time"]), "not an RFC 3339 time: %s" % p["time"])
                check(p["reason"] is None or p["outcome"] == "unknown", "a reason for %s" % p["outcome"])
                check(set(p["texts"]) == {"EN", "DE"}, "JSON texts: %s" % p["texts"])
    expect_failure(host(args.build, "watch"), 2, "watch needs HOST[:PORT]")


# A time with its offset from UTC: 2026-12-11T09:22:23+01:00.
RFC3339 = re.compile(r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$")


def case_options(args):
    for program in ("pathost", "patsim"):
        result = host(args.build, "--help", program=program)
        check(result.returncode == 0 and b"usage:" in result.stdout, "%s --help" % program)
    expect_failure(host(args.build, "poll", "h", "--timeout=0"), 2, "bad value for --timeout", "seconds")
    expect_failure(host(args.build, "poll", "h", "--snmp-port", "80.5"), 2, "bad value for --snmp-port")
    expect_failure(host(args.build, "poll", "h", "--colour", "red"), 2, "\"colour\" does not exist")
    expect_failure(host(args.build, "poll", "h", "--timeout"), 2, "timeout")
    expect_failure(host(args.build, "--port", "80.5", sample_path("idle_full"), program="patsim"), 2,
                   "bad value for --port: \"80.5\" (a whole number from 0 to 65535 expected)")
    expect_failure(host(args.build, "--port=70000", sample_path("idle_full"), program="patsim"), 2, "--port")
    expect_failure(host(args.build, "--fault", "loud", sample_path("idle_full"), program="patsim"), 2, "silent")
    result = host(args.build, "--device-id", "--port=9100", sample_path("idle_full"), program="patsim")
    require_success(result, "patsim --opt=value")


def wine_can_run():
    return run([WINE_RUN, "--check"], timeout=WINE_TIMEOUT).returncode == 0


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
                       "--picture", "windows.png"], cwd=folder, timeout=WINE_TIMEOUT)
        check(windows.returncode != SKIPPED, "wine-run gave up")
        require_success(windows, "the Windows host")
        check(windows.stdout == linux.stdout, "the hosts print different reports:\n%s\n---\n%s"
              % (linux.stdout.decode(errors="replace"), windows.stdout.decode(errors="replace")))
        with open(linux_png, "rb") as a, open(os.path.join(folder, "windows.png"), "rb") as b:
            check(a.read() == b.read(), "the hosts draw different pictures")


UEL = b"\x1b%-12345X"


class PtyPrinter:
    """A pseudo-terminal pair standing in for a USB printer port: the host
    opens the terminal side (raw, so no byte is translated) as usb:PATH, and
    a thread answers each query written to it with `patsim --answer`."""

    def __init__(self, build, sample, answering=True):
        self.build, self.sample, self.answering = build, sample, answering

    def __enter__(self):
        import pty
        import tty
        self.master, self.terminal = pty.openpty()
        tty.setraw(self.terminal)
        self.path = os.ttyname(self.terminal)
        self.queries = 0
        self.stop = threading.Event()
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()
        return self

    def serve(self):
        import select
        pending = b""
        while not self.stop.is_set():
            if not select.select([self.master], [], [], 0.1)[0]:
                continue
            try:
                pending += os.read(self.master, 4096)
            except OSError:
                return
            # A query opens and closes with the universal exit.
            if pending.count(UEL) < 2 or not pending.endswith(UEL):
                continue
            self.queries += 1
            if self.answering:
                answers = run([os.path.join(self.build, "patsim"), "--answer", sample_path(self.sample)],
                              input=pending)
                os.write(self.master, answers.stdout)
            pending = b""

    def __exit__(self, *exc):
        self.stop.set()
        self.thread.join(timeout=10)
        os.close(self.master)
        os.close(self.terminal)


def usb_poll(build, port, sysfs_root, *extra):
    environment = dict(os.environ, PATHOST_SYSFS_ROOT=sysfs_root)
    return run([os.path.join(build, "pathost"), "poll", "usb:" + port.path] + list(extra), env=environment)


def case_usb(args):
    sample = "paper_jam"
    with tempfile.TemporaryDirectory() as folder, Simulator(args.build, sample) as simulator:
        over_tcp = poll(args.build, simulator, sample, "--lang", "EN")
        require_success(over_tcp, "the poll over TCP")
        # The kernel's sysfs file for the port, under a root of the test's own.
        with PtyPrinter(args.build, sample) as port:
            id_folder = os.path.join(folder, "class", "usbmisc", os.path.basename(port.path), "device")
            os.makedirs(id_folder)
            with open(os.path.join(id_folder, "ieee1284_id"), "w") as f:
                f.write(device_id(args.build, sample) + "\n")
            over_usb = usb_poll(args.build, port, folder, "--lang", "EN", "--timeout", "30")
            require_success(over_usb, "the poll over the USB port")
            check(over_usb.stdout == over_tcp.stdout, "the USB poll reports otherwise than the TCP one:\n%s\n---\n%s"
                  % (over_usb.stdout.decode(errors="replace"), over_tcp.stdout.decode(errors="replace")))
            check(port.queries >= 1, "no query reached the port")
            # --device-id overrides the kernel's.
            given = usb_poll(args.build, port, os.path.join(folder, "none"), "--lang", "EN", "--timeout", "30",
                             "--device-id", device_id(args.build, sample))
            require_success(given, "the USB poll with --device-id")
            check(given.stdout == over_tcp.stdout, "--device-id over USB reports otherwise")
            # No device ID anywhere: the status is unknown.
            expect_unknown(usb_poll(args.build, port, os.path.join(folder, "none"), "--lang", "EN", "--timeout", "30"),
                           "ieee1284_id")
        # A port whose printer never answers: the --timeout holds (a hang
        # would run into the run's own deadline).
        with PtyPrinter(args.build, sample, answering=False) as port:
            silent = usb_poll(args.build, port, folder, "--timeout", "1")
            check(silent.returncode != 0 and "did not answer within 1 s" in silent.stderr.decode(),
                  "a silent port: exit %d\n%s" % (silent.returncode, silent.stderr.decode()))
        missing = host(args.build, "poll", "usb:" + os.path.join(folder, "no-such-port"))
        check(missing.returncode != 0 and "no printer reached" in missing.stderr.decode(),
              "a missing port: %s" % missing.stderr.decode())


def write_file(folder, name, content):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(content)
    return path


def run_measured(command):
    """Runs a command under a Python of its own, whose waited-for children
    are that command alone: its result and its peak memory in MiB."""
    measure = ("import resource, subprocess, sys\n"
               "r = subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)\n"
               "sys.stdout.write(str(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss))\n"
               "sys.stderr.buffer.write(r.stderr)\n"
               "sys.exit(r.returncode)\n")
    result = run([sys.executable, "-c", measure] + command)
    return result, int(result.stdout) // 1024


def case_files(args):
    pathost = os.path.join(args.build, "pathost")
    # What the host takes to refuse a missing file (the library loaded, nothing
    # read): 14 MiB on x86-64, 17 MiB on i386, more under a sanitizer.  A row
    # may read what a device ID can be, no more.
    baseline = run_measured([pathost, "poll", "127.0.0.1:9", "--device-id-file", "/nonexistent/device-id"])[1]
    with tempfile.TemporaryDirectory() as folder:
        notes = write_file(folder, "notes.txt", b"Meeting at ten.\nBring the toner.\n")
        empty = write_file(folder, "empty", b"")
        binary = write_file(folder, "binary", b"MFG:Tessaro;\x00\x01CMD:PJL;\n")
        two_lines = write_file(folder, "two-lines", b"MFG:Tessaro;\nMDL:MX-4120;\n")
        # Nothing listens on the discard port: a row that got as far as polling would exit 3.
        printer = "127.0.0.1:9"
        # arguments, exit status, message, the file that must stay as it was;
        # a refused device-ID file is measured (a port's refusal ends in a report).
        rows = [
            (["usb:" + notes], 3, "not a printer port (a character device", notes),
            (["usb:" + folder], 3, "Is a directory", None),
            ([printer, "--device-id-file", "/dev/zero"], 1, "/dev/zero: longer than 65533 bytes", None),
            ([printer, "--device-id-file", folder], 1, "a directory, not a file holding a device ID", None),
            ([printer, "--device-id-file", empty], 1, "empty, no device ID in it", empty),
            ([printer, "--device-id-file", binary], 1, "not text (byte 12 is 0)", binary),
            ([printer, "--device-id-file", two_lines], 1, "not text (byte 12 is 10)", two_lines),
        ]
        for arguments, status, message, kept in rows:
            before = open(kept, "rb").read() if kept else None
            result, peak = run_measured([pathost, "poll"] + arguments + ["--timeout", "1"])
            expect_failure(result, status, message)
            check(arguments[0] != printer or peak < baseline + 2,
                  "%s: pathost grew to %d MiB (%d MiB refusing a missing file)" % (arguments, peak, baseline))
            if kept:
                check(open(kept, "rb").read() == before, "%s changed %s" % (arguments, kept))
        # A pipe gives its device ID once: every poll of a watch has it.
        pipe = os.path.join(folder, "device-id-pipe")
        os.mkfifo(pipe)
        ident = device_id(args.build, "paper_jam")

        def feed():
            with open(pipe, "w") as f:
                f.write(ident + "\n")

        feeder = threading.Thread(target=feed, daemon=True)
        feeder.start()
        with Simulator(args.build, "paper_jam") as simulator:
            import json
            lines = watched_lines(args.build, [simulator.address], 3, "--json", "--interval", "0.1", "--timeout", "5",
                                  "--device-id-file", pipe)
            # Output that cannot be written is a failure, with its message.
            for extra, message in (([], "standard output cannot be written (No space left on device)"),
                                   (["--save-reply", "/dev/full"], "/dev/full: cannot be written"),
                                   (["--picture", "/dev/full"], "cannot write /dev/full")):
                with open("/dev/full", "wb") as full:
                    result = subprocess.run([pathost, "poll", simulator.address, "--device-id", ident] + extra,
                                            stdout=full, stderr=subprocess.PIPE, timeout=RUN_TIMEOUT)
                expect_failure(result, 1, message)
            # The JSON's time carries the local zone's offset (POSIX TZ: "-1:30" is east of UTC).
            zone = os.environ.get("TZ")
            os.environ["TZ"] = "ZONE-1:30"
            try:
                zoned = watched_lines(args.build, [simulator.address], 1, "--json", "--device-id", ident)
            finally:
                os.environ.pop("TZ")
                if zone is not None:
                    os.environ["TZ"] = zone
            polled_at = json.loads(zoned[0])["time"]
            check(RFC3339.match(polled_at) and polled_at.endswith("+01:30"), "time in the zone: " + polled_at)
        feeder.join(timeout=10)
        polls = [json.loads(line) for line in lines]
        check(len(polls) >= 3 and all(p["outcome"] == "answered" and p["deviceId"] == ident for p in polls),
              "a piped device ID was not kept:\n%s" % lines)


CASES = {"poll": case_poll, "replay": case_replay, "status": case_status, "faults": case_faults,
         "simulator": case_simulator, "windows": case_windows, "valgrind": case_valgrind, "snmp": case_snmp,
         "watch": case_watch, "options": case_options, "usb": case_usb, "files": case_files}


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
