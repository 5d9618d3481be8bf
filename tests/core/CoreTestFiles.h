#pragma once
// The German-locale guard and scoped environment variables for the core tests.

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

#include "ProgramFolder.h"

#include <gtest/gtest.h>

namespace zotest {

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
