#pragma once
// The file readers' error rule: a statement that fails is passed over, reading
// goes on, and one summary message follows at the end. Run() executes one
// statement and remembers whether any statement failed.

#include <exception>
#include <utility>

namespace zo {

class ErrorTrap {
public:
    template <class Statement>
    void Run(Statement&& statement)
    {
        try {
            std::forward<Statement>(statement)();
        } catch (const std::exception&) {
            failed_ = true;
        }
    }
    void Fail() { failed_ = true; }
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

} // namespace zo
