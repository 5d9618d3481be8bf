#include "remote/RemoteProtocol.h"

#include <gtest/gtest.h>

#include <string>

using remote::Json;

// Every line a client may send that is no usable request gets an error reply
// with the id the line carried (null when it had none), never an exception.
TEST(RemoteProtocol, MalformedLinesGetAnErrorWithTheirId)
{
    const struct {
        std::string line;
        Json id;
        const char* error;
    } cases[] = {
        {"not json", nullptr, "no JSON"},
        {"{\"id\": 1, \"cmd\": \"state\"", nullptr, "no JSON"},
        {"[1, 2]", nullptr, "JSON object"},
        {"\"state\"", nullptr, "JSON object"},
        {"{\"id\": 4}", 4, "no \"cmd\""},
        {"{\"id\": \"a\", \"cmd\": 5}", "a", "must be a text"},
        {"{\"id\": [1, {\"x\": null}], \"cmd\": null}", Json::parse("[1, {\"x\": null}]"), "must be a text"},
        {"{\"cmd\": \"state\"}" + std::string(remote::kMaxLine, ' '), nullptr, "longer than 64 KiB"},
        {std::string(60000, '['), nullptr, "no JSON"},
        {"{\"id\": 1, \"cmd\": \"\xff\"}", nullptr, "no JSON"},
    };
    for (const auto& c : cases) {
        const remote::ParsedLine parsed = remote::ParseRequestLine(c.line);
        EXPECT_FALSE(parsed.Request) << c.line.substr(0, 40);
        EXPECT_EQ(parsed.Id, c.id) << c.line.substr(0, 40);
        EXPECT_NE(parsed.Error.find(c.error), std::string::npos) << parsed.Error;
        const Json reply = Json::parse(remote::ReplyError(parsed.Id, parsed.Error));
        EXPECT_EQ(reply["ok"], false);
    }
}

// Wrong argument types are refused by name; letter case of the command does not matter.
TEST(RemoteProtocol, ArgumentsAreCheckedByType)
{
    const remote::ParsedLine parsed =
        remote::ParseRequestLine(R"({"id": 2, "cmd": "MOVE", "axis": 3, "to": "ten", "slot": 2.5, "n": null})");
    ASSERT_TRUE(parsed.Request);
    const remote::RemoteRequest& request = *parsed.Request;
    EXPECT_TRUE(request.Is("move"));
    EXPECT_EQ(request.Text("axis"), "3");
    EXPECT_THROW(request.Number("to"), remote::RemoteError);
    EXPECT_THROW(request.Number("by"), remote::RemoteError);
    EXPECT_THROW(request.Integer("slot", 1, 20), remote::RemoteError);
    EXPECT_THROW(request.Text("n"), remote::RemoteError);
}
