#pragma once

// Sets a guard flag for the length of a scope and puts back what it was, so
// that a nested use keeps the outer flag and an exception cannot leave the
// flag set.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_Flag(flag), m_Before(flag) { m_Flag = true; }
    ~FlagScope() { m_Flag = m_Before; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_Flag;
    bool m_Before;
};
