#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The control socket speaks JSON Lines: one request object per line, one
// reply line per request, in the order the requests came.
//   request  {"id": <any>, "cmd": "<name>", ...arguments}
//   reply    {"id": <same>, "ok": true, "result": ...}
//            {"id": <same>, "ok": false, "error": "<text for a person>"}
//   event    {"event": "changed", "device": "<name>", "value": ...}
namespace remote {

using Json = nlohmann::json;

// The longest request line a connection may send; a longer one ends the connection.
inline constexpr std::size_t kMaxLine = 64 * 1024;

// A request the pad refuses, with the text for the reply.
class RemoteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RemoteRequest {
    Json Id;             // null when the request gave none
    std::string Command; // as sent; compared without letter case
    Json Body;           // the whole request object

    // The argument of that name, or none.
    const Json* Find(const char* name) const;
    // Typed arguments; a missing one or one of the wrong type throws RemoteError.
    std::string Text(const char* name) const;
    double Number(const char* name) const;
    // A whole number in lower..upper.
    int Integer(const char* name, int lower, int upper) const;
    bool Is(std::string_view command) const;
};

// A line as read: the request, or the error to reply with (Id recovered when
// the line was an object with an id).
struct ParsedLine {
    Json Id;
    std::optional<RemoteRequest> Request;
    std::string Error;
};
ParsedLine ParseRequestLine(std::string_view line);

// Reply and event lines, each ending in "\n".
std::string ReplyOk(const Json& id, const Json& result);
std::string ReplyError(const Json& id, std::string_view text);
std::string EventLine(std::string_view device, const Json& value);

// Names compared without letter case (ASCII).
bool SameName(std::string_view a, std::string_view b);

} // namespace remote
