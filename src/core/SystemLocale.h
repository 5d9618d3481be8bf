#pragma once
// The system locale as a Windows locale number, which is what the language
// table of ZoControl.INI lists (1033 English (United States), 1031 German
// (Germany), ...).

#include <cstdint>
#include <string_view>

// From the first non-empty of LC_ALL, LC_MESSAGES and LANG. "C", "POSIX" and
// an unset locale count as 1033; an unknown locale gives 0.
int32_t SystemLocaleId();

// "de_DE.UTF-8", "de_DE@euro", "fr_CA" ... to the locale number. A territory
// that is not in the table falls back to the language's main locale ("de_LU"
// gives 1031); an unknown language gives 0.
int32_t LocaleIdFromName(std::string_view name);

// The locale of a locale number ("de_DE" for 1031); "" for an unknown one.
std::string_view LocaleNameFromId(int32_t id);
