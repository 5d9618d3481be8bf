#include "model/mdlErrorLine.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "sdk/ZoScope.h"

std::string func_ItemError(int message, std::string_view item)
{
    std::string line = func_GetMessage(message);
    line += '[';
    line += item;
    line += ']';
    return line;
}

std::string func_ItemError(int message, int64_t item)
{
    return func_ItemError(message, zo::FormatInt(item));
}

std::string func_ReadError(int message, const std::exception& error)
{
    std::string source = "ZoControl";
    int32_t number = 0;
    if (const auto* sdk = dynamic_cast<const ZOSCOPELib::SdkError*>(&error)) {
        source = sdk->Source();
        number = sdk->Number();
    }
    return func_GetMessage(message) + "(" + source + ":" + zo::FormatInt(number) + ")";
}
