#include "printer/printer_connection.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <chrono>

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

const intptr_t kNoSocket = -1;

#if defined(_WIN32)
typedef SOCKET NativeSocket;
typedef int SendLength;
const int kSendFlags = 0;

struct WinsockSession {
    WinsockSession() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() { WSACleanup(); }
};

void EnsureSockets() { static WinsockSession session; }
int LastSocketError() { return WSAGetLastError(); }
bool ConnectInProgress(int error) { return error == WSAEWOULDBLOCK; }
bool Interrupted(int error) { return error == WSAEINTR || error == WSAEWOULDBLOCK; }
void CloseSocket(NativeSocket s) { closesocket(s); }
void SetNonBlocking(NativeSocket s) {
    u_long on = 1;
    ioctlsocket(s, FIONBIO, &on);
}
std::string SocketErrorText(int error) { return "socket error " + std::to_string(error); }
#else
typedef int NativeSocket;
typedef size_t SendLength;
// A printer that has closed the connection must not end the host with SIGPIPE.
const int kSendFlags = MSG_NOSIGNAL;

void EnsureSockets() {}
int LastSocketError() { return errno; }
bool ConnectInProgress(int error) { return error == EINPROGRESS; }
bool Interrupted(int error) { return error == EINTR || error == EAGAIN; }
void CloseSocket(NativeSocket s) { close(s); }
void SetNonBlocking(NativeSocket s) { fcntl(s, F_SETFL, fcntl(s, F_GETFL) | O_NONBLOCK); }
std::string SocketErrorText(int error) { return strerror(error); }
#endif

NativeSocket Native(intptr_t s) { return static_cast<NativeSocket>(s); }

timeval TimevalOf(double seconds) {
    seconds = std::max(0.0, seconds);
    timeval t;
    t.tv_sec = static_cast<long>(seconds);
    t.tv_usec = static_cast<long>((seconds - t.tv_sec) * 1e6);
    return t;
}

// Waits until the socket can be read (or written); false on timeout.
bool WaitFor(intptr_t s, bool forWriting, double seconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(Native(s), &set);
    timeval timeout = TimevalOf(seconds);
    const int ready = select(static_cast<int>(Native(s)) + 1, forWriting ? nullptr : &set,
                             forWriting ? &set : nullptr, nullptr, &timeout);
    return ready > 0;
}

// One address: false with the reason when no connection comes within the time.
bool ConnectTo(const addrinfo *address, double timeoutSeconds, intptr_t *socketOut, std::string *error) {
    const NativeSocket s = socket(address->ai_family, address->ai_socktype, address->ai_protocol);
    if (static_cast<intptr_t>(s) == kNoSocket) {
        *error = "cannot create a socket: " + SocketErrorText(LastSocketError());
        return false;
    }
    SetNonBlocking(s);
    const int result = connect(s, address->ai_addr, static_cast<int>(address->ai_addrlen));
    const int started = result == 0 ? 0 : LastSocketError();
    int failure = 0;
    if (result != 0 && !ConnectInProgress(started)) {
        *error = "cannot connect: " + SocketErrorText(started);
        failure = -1;
    } else if (result != 0 && !WaitFor(static_cast<intptr_t>(s), true, timeoutSeconds)) {
        char seconds[32];
        snprintf(seconds, sizeof seconds, "%g", timeoutSeconds);
        *error = std::string("no connection within ") + seconds + " s";
        failure = -1;
    } else {
        socklen_t length = sizeof failure;
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&failure), &length);
        if (failure != 0) *error = "cannot connect: " + SocketErrorText(failure);
    }
    if (failure != 0) {
        CloseSocket(s);
        return false;
    }
    *socketOut = static_cast<intptr_t>(s);
    return true;
}

}  // namespace

PrinterConnection::PrinterConnection() : socket_(kNoSocket) {}

PrinterConnection::~PrinterConnection() {
    if (socket_ != kNoSocket) CloseSocket(Native(socket_));
}

// Every address the name resolves to, of either family, in the resolver's
// order, until one takes the connection.
bool PrinterConnection::Connect(const std::string &host, int port, double timeoutSeconds, std::string *error) {
    EnsureSockets();
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || found == nullptr) {
        *error = "cannot resolve " + host;
        return false;
    }
    bool connected = false;
    for (const addrinfo *address = found; address != nullptr && !connected; address = address->ai_next) {
        connected = ConnectTo(address, timeoutSeconds, &socket_, error);
    }
    freeaddrinfo(found);
    return connected;
}

bool PrinterConnection::Send(const std::string &text, std::string *error) {
    size_t sent = 0;
    while (sent < text.size()) {
        const auto n = send(Native(socket_), text.data() + sent, static_cast<SendLength>(text.size() - sent), kSendFlags);
        if (n < 0 && Interrupted(LastSocketError()) && WaitFor(socket_, true, 5.0)) continue;
        if (n < 0) {
            *error = "cannot send the query: " + SocketErrorText(LastSocketError());
            return false;
        }
        sent += static_cast<size_t>(n);
    }
    return true;
}

bool PrinterConnection::WaitReadable(double seconds) { return WaitFor(socket_, false, seconds); }

PrinterChannel::ReadOutcome PrinterConnection::ReadSome(char *buffer, size_t capacity, size_t *got) {
    const auto n = recv(Native(socket_), buffer, static_cast<SendLength>(capacity), 0);
    if (n < 0) return Interrupted(LastSocketError()) ? ReadOutcome::Retry : ReadOutcome::Failed;
    if (n == 0) return ReadOutcome::Closed;
    *got = static_cast<size_t>(n);
    return ReadOutcome::Data;
}

bool SplitHostAndPort(const std::string &address, int defaultPort, std::string *host, int *port) {
    *port = defaultPort;
    std::string rest;
    if (!address.empty() && address[0] == '[') {  // [IPv6] or [IPv6]:PORT
        const size_t close = address.find(']');
        if (close == std::string::npos) return false;
        *host = address.substr(1, close - 1);
        rest = address.substr(close + 1);
        if (!rest.empty() && rest[0] != ':') return false;
    } else if (std::count(address.begin(), address.end(), ':') > 1) {  // a bare IPv6 address
        *host = address;
    } else {
        const size_t colon = address.find(':');
        *host = address.substr(0, colon);
        if (colon != std::string::npos) rest = address.substr(colon);
    }
    if (host->empty()) return false;
    if (rest.empty()) return true;
    const std::string digits = rest.substr(1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    *port = atoi(digits.c_str());
    return *port >= 1 && *port <= 65535;
}
