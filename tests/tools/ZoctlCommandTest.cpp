#include "ZoctlCommand.h"

#include <gtest/gtest.h>

#include <stdexcept>

// Each command line becomes one request; one that cannot be a request is a
// usage error (exit 2) before anything is sent.
TEST(ZoctlCommand, CommandLinesBecomeRequestsOrUsage)
{
    using remote::Json;
    const struct {
        std::vector<std::string> args;
        const char* request; // null: a usage error
    } cases[] = {
        {{"set", "Nosepiece", "3"}, R"({"cmd":"set","device":"Nosepiece","id":1,"value":3})"},
        {{"set", "EpiShutter", "on"}, R"({"cmd":"set","device":"EpiShutter","id":1,"value":"on"})"},
        {{"move", "Z", "--by", "-10.5"}, R"({"axis":"Z","by":-10.5,"cmd":"move","id":1})"},
        {{"move", "XY", "100", "2e2"}, R"({"axis":"XY","cmd":"move","id":1,"to":[100.0,200.0]})"},
        {{"memory", "recall", "XY", "4"}, R"({"cmd":"memory","id":1,"recall":"XY","slot":4.0})"},
        {{"wait", "--timeout", "3"}, R"({"cmd":"wait","id":1,"timeout":3.0})"},
        {{"mode", "GFP"}, R"({"apply":"GFP","cmd":"mode","id":1})"},
        {{"move", "Z"}, nullptr},
        {{"move", "Z", "up"}, nullptr},
        {{"move", "XY", "1", "2", "3"}, nullptr},
        {{"memory", "swap", "XY", "1"}, nullptr},
        {{"set", "Nosepiece"}, nullptr},
        {{"frob"}, nullptr},
    };
    for (const auto& c : cases) {
        if (!c.request) {
            EXPECT_THROW(zoctl::func_Parse(c.args), std::invalid_argument) << c.args[0];
            continue;
        }
        EXPECT_EQ(zoctl::func_Parse(c.args).Request, Json::parse(c.request)) << c.args[0];
    }
    EXPECT_NE(zoctl::func_Parse({"move", "--help"}).Help.find("--by"), std::string::npos);
}
