// The status page over HTTP (cpp-httplib), on threads of its own: the page,
// its script and style, /api/printers and every printer's picture, all read
// from the board.  Anything else is 404, a language the library does not
// have 400.
#pragma once

#include <memory>
#include <string>

#include "page/status_board.h"

// Where and how the page is served.
struct PageSettings {
    std::string language = "EN";  // of a request that names none
    double intervalSeconds = 10;  // between polls, for the page's script
    int port = 8080;              // 0: any free port
    std::string bindAddress = "127.0.0.1";
};

class StatusServer {
public:
    StatusServer(const StatusBoard &board, const PageSettings &settings);
    ~StatusServer();
    StatusServer(const StatusServer &) = delete;
    StatusServer &operator=(const StatusServer &) = delete;

    // Takes the settings' address and port (0: any free one); false with the
    // reason.
    bool Bind(std::string *problem);
    int Port() const;

    // Serves until Stop, which waits for every connection's thread.
    void Start();
    void Stop();

private:
    struct Http;
    std::unique_ptr<Http> http_;
};
