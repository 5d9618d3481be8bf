#pragma once
// Small procedures shared by every window and class: numbered message boxes,
// text utilities, the input flush after long operations, name validation, the
// base-62 digits of objective codes and the SDK library's version.
// (Fitting a picture into a picture box needs the screen and lives with the
// windows.)

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Shows message `number` of the language file in a box with the given
// buttons (UiServices::MB_OK, MB_YESNO_QUESTION, MB_CRITICAL); with a
// non-empty extra text the box shows the message and the extra text as
// further lines. Returns the pressed button (UiServices::ID_YES, ...).
int func_ShowMessage(int number, std::string_view extra, int buttons);

// Text of message `number`; when that text is empty, the decimal of
// number - 1; outside 1..257 an empty text.
std::string func_GetMessage(int number);

// "first CR LF second"; the first text is cut at its first NUL. With an empty
// second text the first comes back unchanged; with an empty (cut) first text
// the second.
std::string func_JoinLines(std::string_view first, std::string_view second);

// The part before the first NUL character.
std::string func_TrimNull(std::string_view text);

// True for "TRUE" or "FALSE" in any letter case.
bool func_IsBoolText(std::string_view value);

// Pieces between commas, untrimmed; an empty text gives one empty piece.
std::vector<std::string> func_SplitList(std::string_view text);

// Discards pending mouse input, then pending keyboard input.
void sub_FlushInput();

// True for one or more of A-Z a-z 0-9 - + / * # & . and blank.
bool func_IsValidName(std::string_view text);

// `count` hyphens; empty for 0 or less.
std::string func_DashLine(int count);
// True for a text of one or more hyphens only: what model lists show for no entry.
bool func_IsDashLine(std::string_view text);

// Upper-case hexadecimal of the 32-bit value, left-padded with "0" to width.
std::string func_HexPad(int32_t value, int width);

// Base-62 value of the first character: "" 0, "0"-"9" 0-9, "A"-"Z" 10-35,
// "a"-"z" 36-61; below "0" -1, between "9" and "A" -2, above "z" -3, between
// "Z" and "a" -4.
int16_t func_Base62Value(std::string_view text);

// Inverse of func_Base62Value for 0..61; a blank for a negative value, an
// empty text for 62 and more.
std::string func_Base62Char(int value);

// First index 0..lastIndex at which the list holds exactly `text`
// (case-sensitive), else -1. Indexes past the end of the list are not looked
// at; a negative last index gives -1.
int func_IndexInList(std::string_view text, std::span<const std::string> list, int lastIndex);

// "major.minor.build" of the installed SDK library.
std::string func_GetSdkVersion();

// The single way a message box is shown: fixed texts (the file readers'
// summary messages) and numbered messages alike. Without installed UI
// services nothing is shown and the result is UiServices::ID_OK.
int ShowMessageText(const std::string& text, int buttons);

// A Boolean stored as text: "TRUE"/"FALSE" in any letter case give their
// value, any other text (a missing key included) gives True.
bool BoolTextOrTrue(std::string_view value);

// How a Boolean is written: "True" or "False".
std::string_view BoolText(bool value);
