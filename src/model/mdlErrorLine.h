#pragma once
// The one-line error texts the model components return. A failed write or a
// rejected setup-file element names its item in square brackets; a failed
// read names the error's source and number in parentheses.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// Message `message` of the language file, then "[item]".
std::string func_ItemError(int message, std::string_view item);
std::string func_ItemError(int message, int64_t item);

// Message `message` of the language file, then "(source:number)". An error
// that does not come from the SDK has the program as its source and number 0.
std::string func_ReadError(int message, const std::exception& error);
