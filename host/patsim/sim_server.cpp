#include "sim_server.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <list>
#include <sstream>
#include <vector>

#include "device_id.h"
#include "pjl_answers.h"
#include "request_lines.h"

namespace {

const size_t kMaxClients = 64;
const int kPollMilliseconds = 100;
const char kGarbage[] = "\x01\x7F#?!%% garbled 0x5A5A [[\r\n";
// What the endless fault streams, a chunk at a time, never with a form feed.
const char kEndlessLine[] = "  ENDLESS=ANSWER LINE WITHOUT ITS FORM FEED\r\n";
const size_t kEndlessChunkLines = 1024;
// A client that sends faster than it reads its answers is not read from
// while this much is waiting for it, so its answers cannot pile up.
const size_t kMaxOutgoingBytes = 1 << 20;

volatile sig_atomic_t g_stopRequested = 0;
volatile sig_atomic_t g_stepSignals = 0;  // SIGUSR1s received; only the handler writes it

void OnStopSignal(int) { g_stopRequested = 1; }
void OnStepSignal(int) { g_stepSignals = g_stepSignals + 1; }

double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

struct Client {
    int fd = -1;
    int number = 0;
    RequestLines requests;
    std::string outgoing;
    int answered = 0;
    double lastActivity = 0;
    bool peerDone = false;       // the client will send nothing more
    bool closeWhenSent = false;
    bool streaming = false;      // the endless fault: refill `outgoing` forever
    bool gone = false;
};

class Simulator {
public:
    Simulator(const std::vector<ScriptStep> &script, const ServerSettings &settings)
        : script_(script), settings_(settings) {
        EnterStep(0);
    }
    ~Simulator();

    int Run();

private:
    bool Listen();
    bool Accepting() const;
    bool Finished(double startedAt) const;
    void PollOnce();
    void Accept();
    void Receive(Client &client);
    void Send(Client &client);
    void Answer(Client &client, const std::string &line);
    void CloseIdleAndDone();
    void Close(Client &client, const char *why);

    void EnterStep(size_t step);
    void FollowScript(double startedAt);

    const std::vector<ScriptStep> &script_;
    const ServerSettings &settings_;
    size_t step_ = 0;
    double stepEndsAt_ = 0;  // seconds after the start
    sig_atomic_t stepSignalsFollowed_ = 0;
    const PrinterDescription *printer_ = nullptr;
    Fault fault_ = Fault::None;
    int listener_ = -1;
    int accepted_ = 0;
    std::list<Client> clients_;
};

Simulator::~Simulator() {
    for (Client &client : clients_) close(client.fd);
    if (listener_ >= 0) close(listener_);
}

bool Simulator::Listen() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) return false;
    const int yes = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(settings_.port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) return false;
    if (listen(listener_, 16) != 0) return false;
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
    const int port = ntohs(address.sin_port);
    if (!settings_.portFile.empty()) {
        FILE *file = fopen(settings_.portFile.c_str(), "w");
        if (file == nullptr) return false;
        fprintf(file, "%d\n", port);
        fclose(file);
    }
    printf("patsim: listening on 127.0.0.1:%d\n", port);
    fflush(stdout);
    return true;
}

// The device ID file is replaced whole, so a reader never sees half of it.
void WriteDeviceIdFile(const std::string &path, const PrinterDescription &printer) {
    const std::string temporary = path + ".new";
    FILE *file = fopen(temporary.c_str(), "w");
    if (file == nullptr) return;
    fputs(DeviceIdOf(printer).c_str(), file);
    fclose(file);
    rename(temporary.c_str(), path.c_str());
}

void Simulator::EnterStep(size_t step) {
    step_ = step;
    printer_ = &script_[step].printer;
    fault_ = printer_->noResponse ? Fault::Silent : script_[step].fault;
    if (!settings_.deviceIdFile.empty()) WriteDeviceIdFile(settings_.deviceIdFile, *printer_);
    if (settings_.verbose) fprintf(stderr, "patsim: state %zu\n", step);
}

void Simulator::FollowScript(double startedAt) {
    if (script_.size() < 2) return;
    const double elapsed = Now() - startedAt;
    if (stepEndsAt_ == 0) stepEndsAt_ = script_[0].seconds;
    // A test that moves the script on by signal waits for what it sees, not
    // for a step's seconds; the step it enters gets its whole time.
    for (; stepSignalsFollowed_ != g_stepSignals; ++stepSignalsFollowed_) {
        const size_t next = (step_ + 1) % script_.size();
        stepEndsAt_ = elapsed + script_[next].seconds;
        EnterStep(next);
    }
    while (elapsed >= stepEndsAt_) {
        const size_t next = (step_ + 1) % script_.size();
        stepEndsAt_ += script_[next].seconds;
        EnterStep(next);
    }
}

bool Simulator::Accepting() const {
    const bool underLimit = settings_.maxConnections == 0 || accepted_ < settings_.maxConnections;
    return underLimit && clients_.size() < kMaxClients;
}

bool Simulator::Finished(double startedAt) const {
    if (g_stopRequested || (settings_.stop != nullptr && settings_.stop->load())) return true;
    if (Now() - startedAt >= settings_.lifetimeSeconds) return true;
    return settings_.maxConnections != 0 && accepted_ >= settings_.maxConnections && clients_.empty();
}

void Simulator::Accept() {
    const int fd = accept(listener_, nullptr, nullptr);
    if (fd < 0) return;
    Client client;
    client.fd = fd;
    client.number = ++accepted_;
    client.lastActivity = Now();
    clients_.push_back(std::move(client));
    if (settings_.verbose) fprintf(stderr, "patsim: connection %d opened\n", accepted_);
}

void Simulator::Answer(Client &client, const std::string &line) {
    if (settings_.verbose) fprintf(stderr, "patsim: %d: %s\n", client.number, line.c_str());
    const std::string answer = AnswerPjlLine(*printer_, line);
    if (answer.empty()) return;
    const bool first = client.answered++ == 0;
    switch (fault_) {
        case Fault::None:
        case Fault::CloseAfterJob: client.outgoing += answer; break;
        case Fault::Silent: break;
        case Fault::Garbage: client.outgoing += std::string(kGarbage) + "\f"; break;
        case Fault::Partial:
            if (first) client.outgoing += answer;
            break;
        case Fault::Endless:
            if (first) {
                client.outgoing += answer.substr(0, answer.find('\f'));
                client.streaming = true;
            }
            break;
        case Fault::CloseEarly:
            if (first) {
                client.outgoing += answer;
                client.closeWhenSent = true;
            }
            break;
    }
}

void Simulator::Receive(Client &client) {
    char buffer[4096];
    const ssize_t n = recv(client.fd, buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (n <= 0) {
        client.peerDone = true;
        return;
    }
    client.lastActivity = Now();
    for (const std::string &line : client.requests.Add(buffer, static_cast<size_t>(n))) Answer(client, line);
    if (fault_ == Fault::CloseAfterJob && client.answered > 0 && client.requests.AtJobEnd()) client.closeWhenSent = true;
}

void Simulator::Send(Client &client) {
    const ssize_t n = send(client.fd, client.outgoing.data(), client.outgoing.size(), MSG_NOSIGNAL);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (n < 0) {
        Close(client, "the client went away");
        return;
    }
    client.outgoing.erase(0, static_cast<size_t>(n));
    client.lastActivity = Now();
    if (client.streaming && client.outgoing.size() < sizeof kEndlessLine * kEndlessChunkLines) {
        for (size_t i = 0; i < kEndlessChunkLines; ++i) client.outgoing += kEndlessLine;
    }
}

void Simulator::Close(Client &client, const char *why) {
    if (client.gone) return;
    if (settings_.verbose) fprintf(stderr, "patsim: connection %d closed: %s\n", client.number, why);
    close(client.fd);
    client.gone = true;
}

void Simulator::CloseIdleAndDone() {
    const double now = Now();
    for (Client &client : clients_) {
        if (client.gone || !client.outgoing.empty()) {
            if (!client.gone && now - client.lastActivity > settings_.idleSeconds) Close(client, "idle");
            continue;
        }
        if (client.closeWhenSent) Close(client, "closed early on purpose");
        else if (client.peerDone) Close(client, "the client finished");
        else if (now - client.lastActivity > settings_.idleSeconds) Close(client, "idle");
    }
    clients_.remove_if([](const Client &client) { return client.gone; });
}

void Simulator::PollOnce() {
    std::vector<pollfd> fds;
    std::vector<Client *> owners;
    const bool accepting = Accepting();
    if (accepting) fds.push_back(pollfd{listener_, POLLIN, 0});
    for (Client &client : clients_) {
        short events = client.peerDone || client.outgoing.size() > kMaxOutgoingBytes ? 0 : POLLIN;
        if (!client.outgoing.empty()) events |= POLLOUT;
        fds.push_back(pollfd{client.fd, events, 0});
        owners.push_back(&client);
    }
    if (poll(fds.data(), fds.size(), kPollMilliseconds) <= 0) return;
    const size_t first = accepting ? 1 : 0;
    if (accepting && (fds[0].revents & POLLIN)) Accept();
    for (size_t i = first; i < fds.size(); ++i) {
        Client &client = *owners[i - first];
        if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) Receive(client);
        if (!client.gone && (fds[i].revents & POLLOUT)) Send(client);
    }
}

int Simulator::Run() {
    if (!Listen()) {
        fprintf(stderr, "patsim: cannot listen on 127.0.0.1:%d: %s\n", settings_.port, strerror(errno));
        return 1;
    }
    const double startedAt = Now();
    while (!Finished(startedAt)) {
        FollowScript(startedAt);
        PollOnce();
        CloseIdleAndDone();
    }
    return 0;
}

}  // namespace

namespace {

const struct { const char *name; Fault fault; } kFaults[] = {
    {"none", Fault::None}, {"silent", Fault::Silent}, {"garbage", Fault::Garbage},
    {"partial", Fault::Partial}, {"close-early", Fault::CloseEarly}, {"close-after-job", Fault::CloseAfterJob},
    {"endless", Fault::Endless}};

}  // namespace

bool ParseFault(const std::string &name, Fault *fault) {
    for (const auto &row : kFaults) {
        if (name == row.name) {
            *fault = row.fault;
            return true;
        }
    }
    return false;
}

std::string FaultNames() {
    std::string names;
    const size_t count = sizeof kFaults / sizeof kFaults[0];
    for (size_t i = 0; i < count; ++i) names += std::string(i == 0 ? "" : i + 1 == count ? " or " : ", ") + kFaults[i].name;
    return names;
}

void HandleServerSignals() {
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    action.sa_handler = OnStepSignal;
    sigaction(SIGUSR1, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);  // a reader of its output that went away ends nothing
}

int ServeScript(const std::vector<ScriptStep> &script, const ServerSettings &settings) {
    Simulator simulator(script, settings);
    return simulator.Run();
}

int Serve(const PrinterDescription &printer, const ServerSettings &settings) {
    std::vector<ScriptStep> script(1);
    script[0].printer = printer;
    script[0].fault = settings.fault;
    return ServeScript(script, settings);
}

bool ReadScriptFile(const std::string &path, std::vector<ScriptStep> *script, std::string *error) {
    std::ifstream file(path);
    if (!file) {
        *error = path + ": cannot be read";
        return false;
    }
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string state, seconds, fault, extra;
        if (!(words >> state)) continue;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        ScriptStep step;
        char *end = nullptr;
        words >> seconds >> fault >> extra;
        step.seconds = strtod(seconds.c_str(), &end);
        if (seconds.empty() || *end != '\0' || !(step.seconds > 0)) {
            *error = where + "the seconds must be a number above 0";
            return false;
        }
        if (!fault.empty() && !ParseFault(fault, &step.fault)) {
            *error = where + "unknown fault " + fault;
            return false;
        }
        if (!extra.empty()) {
            *error = where + "unexpected " + extra + " (STATE SECONDS [FAULT])";
            return false;
        }
        const std::string statePath = !state.empty() && state[0] == '/' ? state : folder + state;
        if (!ReadStateFile(statePath, &step.printer, error)) return false;
        script->push_back(step);
    }
    if (script->empty()) *error = path + ": no states";
    return !script->empty();
}
