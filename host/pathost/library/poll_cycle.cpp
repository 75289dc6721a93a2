#include "library/poll_cycle.h"

#include <string.h>

#include <string_view>

#include "library/info_trees.h"

namespace {

const char kUniversalExit[] = "\x1B%-12345X";

uint32_t PayloadLength(const std::string &text) { return static_cast<uint32_t>(text.size() + 1); }

// A text node; an empty text is left out, as the library refuses empty payloads.
bool AddTextNode(const PatExports &exports, PatInfoNode *root, uint32_t id, const std::string &text) {
    return text.empty() || NewInfoNode(exports, root, id, text.c_str(), PayloadLength(text)) != nullptr;
}

bool IsWordSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The next blank-separated word of [*p, end), or an empty one at the end.
std::string_view NextWord(const char **p, const char *end) {
    while (*p < end && IsWordSpace(**p)) ++*p;
    const char *word = *p;
    while (*p < end && !IsWordSpace(**p)) ++*p;
    return std::string_view(word, static_cast<size_t>(*p - word));
}

// A line of the query that asks something: after any universal exits,
// "@PJL", a command and an argument.
bool IsRequestLine(const char *p, const char *end) {
    const size_t exitLength = sizeof kUniversalExit - 1;
    while (static_cast<size_t>(end - p) >= exitLength && memcmp(p, kUniversalExit, exitLength) == 0) p += exitLength;
    if (NextWord(&p, end) != "@PJL" || NextWord(&p, end).empty()) return false;
    while (p < end && IsWordSpace(*p)) ++p;
    return p < end;  // an argument begins: its end does not matter
}

}  // namespace

int CountRequests(const std::string &queryText) {
    int requests = 0;
    for (size_t begin = 0; begin < queryText.size();) {
        size_t end = queryText.find('\n', begin);
        if (end == std::string::npos) end = queryText.size();
        if (IsRequestLine(queryText.data() + begin, queryText.data() + end)) ++requests;
        begin = end + 1;
    }
    return requests;
}

uint32_t BuildQuery(const PatExports &exports, PrnInfoEx *record, uint32_t flags, Query *query) {
    *query = Query();
    query->tree = OwnInfoTree(exports, exports.CreateQueryInfo(record, PAT_PJL_INTERFACE_VERSION, flags));
    if (query->tree == nullptr) return exports.GetLastError();
    if (PatInfoNode *text = FindChild(query->tree.get(), PAT_NODE_PJL_TEXT)) {
        const char *payload = static_cast<const char *>(PAT_NODE_PAYLOAD(text));
        query->text.assign(payload, text->dwLength != 0 ? text->dwLength - 1 : 0);
    }
    query->asksDeviceId = FindChild(query->tree.get(), PAT_NODE_DEVICE_ID) != nullptr;
    query->requests = CountRequests(query->text);
    return 0;
}

uint32_t InterpretReply(const PatExports &exports, Query *query, const std::string &reply,
                        const std::string *deviceId, PrnInfoEx *record) {
    InfoTree replyTree = OwnInfoTree(exports, NewInfoNode(exports, nullptr, PAT_TREE_REPLY_ROOT, nullptr, 0));
    if (replyTree == nullptr) {
        query->tree.reset();
        return PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    PatInfoNode *root = replyTree.get();
    AttachInfoNode(root, query->tree.release());
    bool built = AddTextNode(exports, root, PAT_NODE_PJL_TEXT, reply);
    if (built && deviceId != nullptr && query->asksDeviceId) {
        built = AddTextNode(exports, root, PAT_NODE_DEVICE_ID, *deviceId);
    }
    uint32_t error = PAT_ERROR_NOT_ENOUGH_MEMORY;
    if (built) {
        error = exports.SetCentroDataTo(root, 0, record, PAT_PJL_INTERFACE_VERSION) ? 0 : exports.GetLastError();
    }
    return error;
}
