#pragma once
// Small file helpers and the German-locale guard for the core tests.

#include <clocale>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace zotest {

inline void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Puts the whole C locale into German (decimal comma) for the life of the
// object. A machine without the locale fails the test: the readers' locale
// independence must be shown, not assumed.
class GermanLocale {
public:
    GermanLocale()
    {
        const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
        if (set == nullptr)
            set = std::setlocale(LC_ALL, "de_DE.utf8");
        active_ = set != nullptr && std::string(std::localeconv()->decimal_point) == ",";
    }
    ~GermanLocale() { std::setlocale(LC_ALL, "C"); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    bool Active() const { return active_; }

private:
    bool active_ = false;
};

// Sets (or, with nullopt, removes) an environment variable for the life of
// the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

#define ZO_REQUIRE_GERMAN_LOCALE(guard)                                                                        \
    ASSERT_TRUE((guard).Active()) << "the de_DE.UTF-8 locale is not installed (scripts/deps.sh generates it); " \
                                     "the readers and writers must be tested under a decimal comma"

} // namespace zotest
