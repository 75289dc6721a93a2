#!/usr/bin/env python3
"""The status page of `pathost serve`, in a real browser.

    status_page_test.py --build DIR [--update]

Three simulated printers (patsim on free loopback ports): an idle one, one
whose script runs through toner out, a service call, no answer and garbage,
and one whose device ID holds markup.  `pathost serve` shows them; Debian's
chromium, headless, with a profile of its own, loads the page and is driven
through its DevTools protocol over a pipe (--remote-debugging-pipe: no port,
nothing but Python's standard library).  The page must show each printer's
texts, names and picture as `pathost poll` reports and draws them, in the
language chosen, follow the scripted printer's changes, and show markup as
text; the endpoints answer 404, 400 and 405 where they should, and the
server ends cleanly on SIGINT.  A printer without a device ID gets a grey
card that says its status is unknown, and why.

--update also saves the page as docs/screenshots/status-page.png.
Exit 77 (skipped) when chromium is not installed.
"""
import argparse
import base64
import fcntl
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import host_e2e  # noqa: E402
from host_e2e import Failure, Simulator, check, host, require_success, sample_path  # noqa: E402

ROOT = host_e2e.ROOT
SCREENSHOT = os.path.join(ROOT, "docs", "screenshots", "status-page.png")
# A device ID's texts are the printer's to choose: this one must show as text.
MARKUP = '<img src=x onerror="window.injected=1"><b>bold</b> & "quoted" </p>'
# A deadline that only a hung run reaches: every wait here is for a condition.
WAIT = host_e2e.DEADLINE
# The picture's size (host/picture_renderer.h).
PICTURE_SIZE = [320, 200]
# Host words (host/words): the page's section headings.
INPUT_TRAYS_WORD, OPTIONS_WORD = 15002, 15004


class Browser:
    """Headless chromium, driven through the DevTools protocol over a pipe:
    JSON messages, each ended by a NUL byte, in on fd 3 and out on fd 4."""

    FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-dev-shm-usage", "--hide-scrollbars", "--force-device-scale-factor=1",
             "--remote-debugging-pipe"]

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        commands_in, self.commands = os.pipe()
        self.answers, answers_out = os.pipe()
        # Above 3 and 4, so that placing one end cannot overwrite the other;
        # closed on exec, where only 3 and 4 are to stay.
        high_in = fcntl.fcntl(commands_in, fcntl.F_DUPFD_CLOEXEC, 10)
        high_out = fcntl.fcntl(answers_out, fcntl.F_DUPFD_CLOEXEC, 10)

        def on_fds_3_and_4():
            os.dup2(high_in, 3)
            os.dup2(high_out, 4)

        self.log = open(os.path.join(self.folder.name, "chromium.log"), "w")
        self.process = subprocess.Popen(
            ["chromium"] + self.FLAGS + ["--user-data-dir=" + os.path.join(self.folder.name, "profile"),
                                         "about:blank"],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log, preexec_fn=on_fds_3_and_4,
            close_fds=False)
        for fd in (commands_in, answers_out, high_in, high_out):
            os.close(fd)
        self.pending = b""
        self.last_id = 0
        self.session = None
        target = self.send("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        return self

    def send(self, method, **params):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + WAIT
        while True:
            answer = self.receive(deadline)
            if answer.get("id") == self.last_id:
                check("error" not in answer, "%s: %s" % (method, answer.get("error")))
                return answer["result"]

    def receive(self, deadline):
        while b"\0" not in self.pending:
            ready, _, _ = select.select([self.answers], [], [], max(0, deadline - time.monotonic()))
            check(ready, "chromium did not answer:\n" + self.log_text())
            chunk = os.read(self.answers, 1 << 16)
            check(chunk, "chromium ended:\n" + self.log_text())
            self.pending += chunk
        message, self.pending = self.pending.split(b"\0", 1)
        return json.loads(message)

    def log_text(self):
        self.log.flush()
        with open(self.log.name, errors="replace") as f:
            return f.read()[-3000:]

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        check("exceptionDetails" not in result, "%s: %s" % (expression, result.get("exceptionDetails")))
        return result["result"].get("value")

    def wait_for(self, expression, what, seconds=WAIT):
        """The expression's value once it is true; fails after `seconds`.  An
        expression that throws is not true yet: a freshly opened page has no
        cards until its first answer from the server."""
        deadline = time.monotonic() + seconds
        while True:
            try:
                value = self.evaluate(expression)
            except Failure as failure:
                value, thrown = None, failure
            else:
                thrown = None
            if value:
                return value
            check(time.monotonic() < deadline, "%s: not within %d s%s" % (what, seconds,
                                                                           " (%s)" % thrown if thrown else ""))
            time.sleep(0.2)

    def open(self, url):
        self.send("Page.navigate", url=url)
        self.wait_for("document.readyState === 'complete' && location.href === %s" % json.dumps(url), "load " + url)

    def screenshot(self, width):
        height = self.evaluate("document.documentElement.scrollHeight")
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1,
                  mobile=False)
        return base64.b64decode(self.send("Page.captureScreenshot", format="png")["data"])

    def __exit__(self, *exc):
        try:
            self.session = None
            self.send("Browser.close")
            self.process.wait(timeout=30)
        except (Failure, OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait(timeout=30)
        os.close(self.commands)
        os.close(self.answers)
        self.log.close()
        self.folder.cleanup()


class Server:
    """pathost serve on a free loopback port, ended with SIGINT as Ctrl-C does."""

    def __init__(self, build, printers, device_id_files, *extra):
        self.command = [os.path.join(build, "pathost"), "serve"] + printers + ["--port", "0", "--interval", "0.5",
                                                                               "--timeout", "5"] + list(extra)
        for path in device_id_files:
            self.command += ["--device-id-file", path]

    def __enter__(self):
        # Its notes about printers that do not answer go on while it runs: a
        # file, not a pipe that nobody reads until the end.
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen(self.command, stdout=subprocess.PIPE, stderr=self.errors)
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT)
        check(ready, "pathost serve did not start")
        line = self.process.stdout.readline().decode()
        check(" at http://" in line, "pathost serve: %r" % line)
        self.url = line.split(" at ", 1)[1].strip()
        return self

    def printers(self):
        status, _, body = http(self.url + "api/printers")
        check(status == 200, "api/printers: %d" % status)
        return json.loads(body)["printers"]

    def wait_for_first_polls(self):
        """Waits until every printer has been polled once."""
        deadline = time.monotonic() + WAIT
        while any(p["outcome"] == "waiting" for p in self.printers()):
            check(time.monotonic() < deadline, "not every printer polled within %d s" % WAIT)
            time.sleep(0.1)

    def stop(self):
        """Ends the server; its standard error."""
        self.process.send_signal(signal.SIGINT)
        self.process.communicate(timeout=60)
        self.errors.seek(0)
        err = self.errors.read().decode(errors="replace")
        check(self.process.returncode == 0, "serve ended with %d:\n%s" % (self.process.returncode, err))
        check("serve stopped" in err, "serve did not stop cleanly:\n" + err)
        return err

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.communicate(timeout=60)
        self.errors.close()


def http(url, method="GET"):
    """Status, content type and body of a request."""
    try:
        with urllib.request.urlopen(urllib.request.Request(url, method=method), timeout=WAIT) as response:
            return response.status, response.headers.get("Content-Type"), response.read()
    except urllib.error.HTTPError as refusal:
        return refusal.code, refusal.headers.get("Content-Type"), refusal.read()


def method_answer(url, method):
    """Status and Allow header of a request with that method."""
    try:
        with urllib.request.urlopen(urllib.request.Request(url, method=method), timeout=WAIT) as response:
            return response.status, response.headers.get("Allow")
    except urllib.error.HTTPError as refusal:
        return refusal.code, refusal.headers.get("Allow")


def report_fields(report, title):
    """The fields of a report section: (label, value) with continued lines joined by newlines."""
    fields = []
    for line in host_e2e.section(report, title)[1:]:
        label, value = line[2:24].strip(), line[24:]
        if label:
            fields.append([label, value])
        elif fields:
            fields[-1][1] += "\n" + value
    return fields


def status_texts(report, language):
    """The short and the long status text of a report, in a language."""
    fields = report_fields(report, host_e2e.status_heading(language))
    return fields[0][1], fields[1][1]


def host_word(language, number):
    words = host_e2e.strings_format.read_strings(
        host_e2e.strings_format.string_file_path(host_e2e.HOST_WORDS, language.lower()))
    return words[number]


def card(name):
    """A JavaScript expression for the card of a printer."""
    return "document.querySelector('article[data-name=%s]')" % json.dumps(json.dumps(name)[1:-1])


def card_texts(browser, name):
    return browser.evaluate("""(() => {
        const card = %s;
        const texts = (list) => [...card.querySelectorAll(list + ' li')].map(
            (li) => [...li.children].map((span) => span.textContent));
        return {polls: Number(card.dataset.polls || 0), outcome: card.dataset.outcome || '',
                identity: card.querySelector('.identity').textContent,
                short: card.querySelector('.short').textContent, long: card.querySelector('.long').textContent,
                engine: texts('.engine'), trays: texts('.trays'), options: texts('.options'),
                traysHeading: card.querySelector('.trays-heading').textContent,
                optionsHeading: card.querySelector('.options-heading').textContent,
                picture: card.querySelector('.picture').getAttribute('src')};
    })()""" % card(name))


def picture_shown(browser, name):
    """The card's picture, once it has loaded: its address and natural size."""
    return browser.wait_for("""(() => {
        const picture = %s.querySelector('.picture');
        return picture.complete && picture.naturalWidth > 0 && !picture.hidden &&
               [picture.getAttribute('src'), [picture.naturalWidth, picture.naturalHeight]];
    })()""" % card(name), "the picture of " + name)


def check_card_as_reported(browser, name, report, language):
    """The card shows the status texts, trays and options that `pathost poll` reports in that language."""
    short, long = status_texts(report, language)
    browser.wait_for("%s.querySelector('.short').textContent === %s" % (card(name), json.dumps(short)),
                     "%s: the %s short text %r" % (name, language, short))
    shown = card_texts(browser, name)
    check(shown["long"] == long, "%s: long text %r, reported %r" % (name, shown["long"], long))
    trays = [[label, value] for label, value in report_fields(report, "%s (%s)" % (
        host_word(language, INPUT_TRAYS_WORD), language))]
    check([[t[0], ", ".join(t[1:])] for t in shown["trays"]] == trays,
          "%s: trays %s, reported %s" % (name, shown["trays"], trays))
    options = [line.strip() for line in host_e2e.section(report, "%s (%s)" % (
        host_word(language, OPTIONS_WORD), language))[1:]]
    check([o[0] for o in shown["options"]] == options, "%s: options %s, reported %s" % (name, shown["options"], options))
    check(shown["traysHeading"] == host_word(language, INPUT_TRAYS_WORD), "tray heading %r" % shown["traysHeading"])


def check_endpoints(server, names):
    """404 for what is not there, 400 for a language the library does not have."""
    cases = [("/", 200), ("/?lang=de", 200), ("/?lang=zh_tw", 200), ("/status.js", 200), ("/status.css", 200),
             ("/api/printers", 200), ("/api/printers?lang=ZH_CN", 200),
             ("/?lang=xx", 400), ("/?lang=", 400), ("/api/printers?lang=english", 400),
             ("/api/printers?lang=de&lang=fr", 400),
             ("/nothing", 404), ("/index.html", 404), ("/api", 404), ("/api/printers/extra", 404),
             ("/printers/%s/picture.png" % names[0], 200), ("/printers/%s/picture.gif" % names[0], 404),
             ("/printers/127.0.0.1:1/picture.png", 404), ("/printers//picture.png", 404),
             ("/printers/%3Cb%3E/picture.png", 404), ("/../../etc/passwd", 404)]
    for path, expected in cases:
        status, _, body = http(server.url.rstrip("/") + path)
        check(status == expected, "%s: %d, expected %d: %s" % (path, status, expected, body[:200]))
    # The page is only read: every other method is refused, wherever it goes.
    for method, path in (("POST", "api/printers"), ("DELETE", ""), ("PUT", "status.js"), ("PATCH", "nothing")):
        status, allowed = method_answer(server.url + path, method)
        check((status, allowed) == (405, "GET, HEAD"), "%s /%s: %d, Allow %s" % (method, path, status, allowed))
    check(method_answer(server.url, "HEAD") == (200, None), "HEAD /: %s" % (method_answer(server.url, "HEAD"),))
    status, kind, body = http(server.url + "api/printers?lang=de")
    answer = json.loads(body)
    check(kind.startswith("application/json") and answer["language"] == "DE", "api: %s %s" % (kind, body[:200]))
    check(len(answer["languages"]) == 17, "languages: %s" % answer["languages"])
    check([p["name"] for p in answer["printers"]] == names, "printers: %s" % answer["printers"])
    for printer in answer["printers"]:
        check(set(printer) == {"name", "polls", "time", "outcome", "reason", "deviceId", "record", "layers", "texts",
                               "trays",
                               "outputBins", "options", "picture"}, "printer JSON: %s" % sorted(printer))
        check(printer["polls"] > 0 and printer["outcome"] != "waiting", "not polled: %s" % printer)
    status, kind, body = http(server.url + "?lang=xx")
    check(b"unknown language" in body and kind.startswith("text/plain"), "400 body: %s" % body)


def check_refusals(build, server, printer):
    """A port in use and a language the library does not have: said so, and no server."""
    port = server.url.rstrip("/").rsplit(":", 1)[1]
    host_e2e.expect_failure(host(build, "serve", printer, "--port", port), 1,
                            "cannot serve on 127.0.0.1 port " + port)
    host_e2e.expect_failure(host(build, "serve", printer, "--lang", "xx"), 2, "--lang xx is no language")


def check_follows_script(browser, simulator, expected):
    """The card goes through each (outcome, short text) of the script in turn,
    the script moved on as soon as the card shows a step."""
    name = simulator.address
    seen = []
    for outcome, short in expected:
        condition = "%s.dataset.outcome === %s && %s.querySelector('.short').textContent === %s" % (
            card(name), json.dumps(outcome), card(name), json.dumps(short))
        try:
            browser.wait_for(condition, "%s: %s, %r" % (name, outcome, short))
        except Failure:
            raise Failure("%s did not show %s %r after %s" % (name, outcome, short, seen))
        seen.append((outcome, short))
        picture_shown(browser, name)
        simulator.next_state()


def check_unknown_card(build, browser, printer):
    """A printer whose device ID cannot be had (no SNMP agent answers) is not
    shown as healthy: a grey card, its status unknown in the page's language,
    and why."""
    with host_e2e.silent_udp_port() as snmp_port, Server(build, [printer], [], "--snmp-port", str(snmp_port)) as server:
        browser.open(server.url + "?lang=de")
        browser.wait_for("%s.dataset.outcome === 'unknown'" % card(printer), "the unknown status")
        shown = card_texts(browser, printer)
        check(shown["short"] == "Status unbekannt" and shown["long"].startswith("no device ID: "),
              "the unknown card says %r, %r" % (shown["short"], shown["long"]))
        grey = browser.evaluate("getComputedStyle(%s).borderTopColor" % card(printer))
        check(grey == "rgb(117, 117, 117)", "the unknown card's colour is %s" % grey)
        server.stop()


def write_markup_state(folder):
    """The paper jam state, with markup for the description and the status text."""
    path = os.path.join(folder, "markup.state")
    with open(sample_path("paper_jam")) as source, open(path, "w") as state:
        for line in source:
            key = line.split("=", 1)[0].strip()
            state.write("%s = %s\n" % (key, MARKUP) if key in ("description", "status-text") else line)
    return path


def described_short(build, state):
    result = host(build, "status", "--state", state, "--lang", "EN")
    require_success(result, "status of " + state)
    return status_texts(result.stdout, "EN")[0]


def run(args):
    if shutil.which("chromium") is None:
        print("skipped: chromium is not installed (./dev setup installs it)")
        return host_e2e.SKIPPED
    build = args.build
    with tempfile.TemporaryDirectory() as folder:
        ids = [os.path.join(folder, "device-id-%d" % i) for i in range(3)]
        script = host_e2e.write_script(folder, ("toner_out",), ("service_call",), ("no_response",),
                                       ("idle_full", "garbage"))
        expected_script = [("answered", described_short(build, sample_path("toner_out"))),
                           ("answered", described_short(build, sample_path("service_call"))),
                           ("no-response", described_short(build, sample_path("no_response"))),
                           ("refused", described_short(build, sample_path("no_response")))]
        markup = write_markup_state(folder)
        with Simulator(build, "idle_full", "--device-id-file", ids[0]) as idle, \
                Simulator(build, None, "--script", script, "--device-id-file", ids[1]) as scripted, \
                Simulator(build, None, markup, "--device-id-file", ids[2]) as marked:
            printers = [idle.address, scripted.address, marked.address]
            picture = os.path.join(folder, "idle.png")
            polled = host(build, "poll", idle.address, "--device-id-file", ids[0], "--lang", "EN,DE,JP",
                          "--picture", picture)
            require_success(polled, "poll of the idle printer")
            with Server(build, printers, ids) as server, Browser() as browser:
                server.wait_for_first_polls()
                check_endpoints(server, printers)
                check_refusals(build, server, idle.address)
                status, kind, served = http(server.url + "printers/%s/picture.png" % idle.address)
                with open(picture, "rb") as f:
                    check(kind == "image/png" and served == f.read(), "the served picture is not the polled one")

                browser.open(server.url)
                browser.wait_for("document.querySelectorAll('article.printer:not(.waiting)').length === 3",
                                 "three polled cards")
                check_card_as_reported(browser, idle.address, polled.stdout, "EN")
                source, size = picture_shown(browser, idle.address)
                check(size == PICTURE_SIZE, "the picture is %s" % size)
                check_follows_script(browser, scripted, expected_script)

                # Markup from the printer is text, and runs nothing.
                shown = card_texts(browser, marked.address)
                check(shown["identity"] == MARKUP, "description shown as %r" % shown["identity"])
                check(shown["engine"] == [["42001", MARKUP]], "engine status shown as %s" % shown["engine"])
                check(browser.evaluate("document.querySelectorAll('main b, main img:not(.picture)').length") == 0,
                      "markup became elements")
                check(browser.evaluate("window.injected === undefined"), "markup ran a script")

                # The language chosen: from the address, then from the list.
                browser.open(server.url + "?lang=de")
                check_card_as_reported(browser, idle.address, polled.stdout, "DE")
                check(browser.evaluate("document.documentElement.lang") == "de", "the page's lang is not de")
                check(browser.evaluate("document.getElementById('language').options.length") == 17,
                      "not every language is offered")
                browser.evaluate("""(() => { const choice = document.getElementById('language');
                    choice.value = 'JP'; choice.dispatchEvent(new Event('change')); })()""")
                check_card_as_reported(browser, idle.address, polled.stdout, "JP")
                check(browser.evaluate("location.search") == "?lang=JP", "the address does not keep the language")
                check(browser.evaluate("document.documentElement.lang") == "ja", "the page's lang is not ja")
                check(browser.evaluate("document.getElementById('problem').hidden"), "the page shows a problem")

                if args.update:
                    browser.open(server.url + "?lang=en")
                    browser.wait_for("%s.querySelector('.short').textContent === %s" % (
                        card(scripted.address), json.dumps(expected_script[0][1])), "the scripted printer's first state")
                    picture_shown(browser, scripted.address)
                    # The sample printers only: the markup's card is for the test.
                    browser.evaluate("%s.hidden = true" % card(marked.address))
                    with open(SCREENSHOT, "wb") as f:
                        f.write(browser.screenshot(820))
                    print("wrote " + SCREENSHOT)
                check(scripted.alive() and idle.alive(), "a simulator stopped")
                server.stop()
                check_unknown_card(build, browser, idle.address)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the build folder of pathost and patsim")
    parser.add_argument("--update", action="store_true", help="save the screenshot into docs/screenshots/")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    try:
        return run(args)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAILED: %s" % failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
