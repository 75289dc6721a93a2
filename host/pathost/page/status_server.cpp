#include "page/status_server.h"

#include <sys/socket.h>

#include <thread>

#include <httplib.h>

#include "page/embedded_files.h"
#include "report/poll_json.h"
#include "page/status_page.h"
#include "library/text_encoding.h"

namespace {

// Few threads: the page's readers are a handful of browsers and monitors.
const size_t kServerThreads = 4;
// An idle kept-alive connection is let go soon, so that a stop is quick.
const time_t kKeepAliveSeconds = 1;

// The page takes its script and style from this server alone, and no
// markup can run a script inline.
const char kContentSecurityPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
    "base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

const char *ContentTypeOf(const std::string &name) {
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".js") return "text/javascript; charset=utf-8";
    return "application/octet-stream";
}

void SendText(httplib::Response &response, int status, const std::string &text) {
    response.status = status;
    response.set_content(text + "\n", "text/plain; charset=utf-8");
}

std::string LanguageList() {
    std::string list;
    for (const std::string &language : AllLibraryLanguages()) list += (list.empty() ? "" : ", ") + language;
    return list;
}

}  // namespace

struct StatusServer::Http {
    const StatusBoard &board;
    const PageSettings options;
    httplib::Server server;
    std::thread thread;
    int port = 0;

    Http(const StatusBoard &b, const PageSettings &o) : board(b), options(o) {}

    // The language of ?lang=, or false after answering 400.
    bool Language(const httplib::Request &request, httplib::Response &response, std::string *language) const {
        const std::string asked = request.get_param_value("lang");
        if (request.get_param_value_count("lang") > 1 || (request.has_param("lang") && asked.empty()) ||
            !PageLanguage(asked, options.language, language)) {
            SendText(response, 400, "unknown language \"" + asked + "\"; the page has " + LanguageList());
            return false;
        }
        return true;
    }

    void File(const std::string &name, httplib::Response &response) const {
        const EmbeddedFile *file = FindEmbeddedFile(kStatusPageFiles, name);
        if (file == nullptr) return SendText(response, 404, "not found");
        response.set_content(file->bytes, file->size, ContentTypeOf(name));
    }

    void Page(const httplib::Request &request, httplib::Response &response) const {
        std::string language;
        if (Language(request, response, &language)) File("index.html", response);
    }

    void Printers(const httplib::Request &request, httplib::Response &response) const {
        std::string language;
        if (!Language(request, response, &language)) return;
        const nlohmann::json body = PrintersJson(board.Views(), language, options.intervalSeconds);
        response.set_content(JsonText(body), "application/json");
    }

    void Picture(const httplib::Request &request, httplib::Response &response) const {
        const std::string name = request.matches[1];
        for (const std::shared_ptr<const PrinterView> &view : board.Views()) {
            if (view->name != name) continue;
            if (view->png.empty()) return SendText(response, 404, "no picture of " + name + " yet");
            response.set_content(view->png, "image/png");
            return;
        }
        SendText(response, 404, "no printer " + name);
    }

    void Route() {
        server.Get("/", [this](const httplib::Request &q, httplib::Response &r) { Page(q, r); });
        server.Get("/status\\.(css|js)", [this](const httplib::Request &q, httplib::Response &r) {
            File(q.path.substr(1), r);
        });
        server.Get("/api/printers", [this](const httplib::Request &q, httplib::Response &r) { Printers(q, r); });
        server.Get("/printers/([^/]+)/picture\\.png",
                   [this](const httplib::Request &q, httplib::Response &r) { Picture(q, r); });
        // What no route takes (404, an unknown method) is said in words.
        server.set_error_handler([](const httplib::Request &, httplib::Response &r) {
            if (r.body.empty()) SendText(r, r.status, r.status == 404 ? "not found" : "refused");
        });
        server.set_default_headers({{"Cache-Control", "no-store"},
                                    {"X-Content-Type-Options", "nosniff"},
                                    {"Content-Security-Policy", kContentSecurityPolicy}});
    }
};

StatusServer::StatusServer(const StatusBoard &board, const PageSettings &settings) : http_(new Http(board, settings)) {
    http_->Route();
    http_->server.new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
    http_->server.set_keep_alive_timeout(kKeepAliveSeconds);
    // cpp-httplib would share the port with any program that asks (SO_REUSEPORT):
    // a port in use must be refused instead.  SO_REUSEADDR only lets a new
    // server follow a stopped one at once.
    http_->server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
}

StatusServer::~StatusServer() { Stop(); }

bool StatusServer::Bind(std::string *problem) {
    const PageSettings &options = http_->options;
    http_->port = options.port == 0 ? http_->server.bind_to_any_port(options.bindAddress)
                  : http_->server.bind_to_port(options.bindAddress, options.port) ? options.port
                                                                                       : -1;
    if (http_->port > 0) return true;
    *problem = "cannot serve on " + options.bindAddress + " port " + std::to_string(options.port) +
               " (the port is taken, or the address is none of this machine's)";
    return false;
}

int StatusServer::Port() const { return http_->port; }

void StatusServer::Start() {
    http_->thread = std::thread([this] { http_->server.listen_after_bind(); });
}

void StatusServer::Stop() {
    if (!http_->thread.joinable()) return;
    http_->server.stop();
    http_->thread.join();
}
