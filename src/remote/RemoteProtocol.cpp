#include "remote/RemoteProtocol.h"

#include <cmath>

namespace remote {

namespace {

const char* TypeName(const Json& value)
{
    return value.is_string() ? "a text" : value.is_number() ? "a number" : value.type_name();
}

} // namespace

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

const Json* RemoteRequest::Find(const char* name) const
{
    const auto it = Body.find(name);
    return it == Body.end() ? nullptr : &*it;
}

std::string RemoteRequest::Text(const char* name) const
{
    const Json* value = Find(name);
    if (!value)
        throw RemoteError(std::string("\"") + name + "\" is missing");
    if (value->is_string())
        return value->get<std::string>();
    if (value->is_number_integer())
        return std::to_string(value->get<long long>());
    throw RemoteError(std::string("\"") + name + "\" must be a text, not " + TypeName(*value));
}

double RemoteRequest::Number(const char* name) const
{
    const Json* value = Find(name);
    if (!value)
        throw RemoteError(std::string("\"") + name + "\" is missing");
    if (!value->is_number())
        throw RemoteError(std::string("\"") + name + "\" must be a number, not " + TypeName(*value));
    const double number = value->get<double>();
    if (!std::isfinite(number))
        throw RemoteError(std::string("\"") + name + "\" is no finite number");
    return number;
}

int RemoteRequest::Integer(const char* name, int lower, int upper) const
{
    const double number = Number(name);
    if (number != std::floor(number) || number < lower || number > upper)
        throw RemoteError(std::string("\"") + name + "\" must be a whole number from " + std::to_string(lower) +
                          " to " + std::to_string(upper));
    return static_cast<int>(number);
}

bool RemoteRequest::Is(std::string_view command) const
{
    return SameName(Command, command);
}

ParsedLine ParseRequestLine(std::string_view line)
{
    ParsedLine parsed;
    if (line.size() > kMaxLine) {
        parsed.Error = "the request is longer than 64 KiB";
        return parsed;
    }
    Json body = Json::parse(line, nullptr, false);
    if (body.is_discarded()) {
        parsed.Error = "the request is no JSON";
        return parsed;
    }
    if (!body.is_object()) {
        parsed.Error = "the request must be a JSON object";
        return parsed;
    }
    if (const auto id = body.find("id"); id != body.end())
        parsed.Id = *id;
    const auto cmd = body.find("cmd");
    if (cmd == body.end()) {
        parsed.Error = "the request has no \"cmd\"";
        return parsed;
    }
    if (!cmd->is_string()) {
        parsed.Error = "\"cmd\" must be a text";
        return parsed;
    }
    RemoteRequest request;
    request.Id = parsed.Id;
    request.Command = cmd->get<std::string>();
    request.Body = std::move(body);
    parsed.Request = std::move(request);
    return parsed;
}

std::string ReplyOk(const Json& id, const Json& result)
{
    return Json{{"id", id}, {"ok", true}, {"result", result}}.dump(-1, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

std::string ReplyError(const Json& id, std::string_view text)
{
    return Json{{"id", id}, {"ok", false}, {"error", std::string(text)}}.dump(-1, ' ', false,
                                                                             Json::error_handler_t::replace) +
           "\n";
}

std::string EventLine(std::string_view device, const Json& value)
{
    return Json{{"event", "changed"}, {"device", std::string(device)}, {"value", value}}.dump(
               -1, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

} // namespace remote
