#pragma once
// Texts are UTF-8 throughout the program and across the SDK boundary. Every
// length limit and every cut of a text counts characters (code points), not
// bytes, and a cut never splits a character. A byte that does not belong to
// a well-formed sequence counts as one character of its own.

#include <cstddef>
#include <string_view>

// Number of characters in text.
std::size_t func_CharCount(std::string_view text);

// The first count characters of text (all of it when it is shorter).
std::string_view func_CharLeft(std::string_view text, std::size_t count);
