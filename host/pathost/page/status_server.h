// The status page over HTTP (cpp-httplib), on threads of its own: the page,
// its script and style, /api/printers and every printer's picture, all read
// from the board.  Anything else is 404, a language the library does not
// have 400.
#pragma once

#include <memory>
#include <string>

#include "commands/host_options.h"
#include "page/status_board.h"

class StatusServer {
public:
    // The page's language, when a request names none, is the first of --lang.
    StatusServer(const StatusBoard &board, const HostOptions &options);
    ~StatusServer();
    StatusServer(const StatusServer &) = delete;
    StatusServer &operator=(const StatusServer &) = delete;

    // Takes --bind's address and --port's port (0: any free one); false with
    // the reason.
    bool Bind(std::string *problem);
    int Port() const;

    // Serves until Stop, which waits for every connection's thread.
    void Start();
    void Stop();

private:
    struct Http;
    std::unique_ptr<Http> http_;
};
