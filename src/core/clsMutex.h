#pragma once
// A named, system-wide mutex for one microscope connection name.
//
// Named mutexes do not exist on this platform, so each one is a pair of
// lock files in the user's runtime folder (LockFile::RuntimeFolder()):
//   <mutex name>.handle  every object that holds the name keeps a shared lock
//                        on it; the name "exists" exactly while some live
//                        process holds such a lock, so a crashed holder
//                        cannot make it look taken;
//   <mutex name>.owner   the object that owns the mutex holds an exclusive
//                        lock on it.
// A third file, "OrvaneConnection.registry", is locked exclusively for the
// moment a name is created or opened, so that "newly created" and "already
// existed" are decided atomically between processes. Ownership belongs to the
// object (not to the thread, as on other systems): two objects of one process
// that lock the same name wait for each other. Locking again through the
// owning object only counts up, and each lock needs its own unlock.

#include "core/LockFile.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

class clsMutex {
public:
    // A failure reported with the run-time error number: 55 when a handle
    // could not be given up before a new name, 52 when the name cannot be
    // created.
    class RuntimeError : public std::runtime_error {
    public:
        RuntimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
        int Number() const { return number_; }

    private:
        int number_;
    };

    // sub_LockMutex waits without a limit for this (or any negative) time-out:
    // read as an unsigned 32-bit count it would be weeks.
    static constexpr int32_t Infinite = -1;

    clsMutex() = default;
    ~clsMutex();
    clsMutex(const clsMutex&) = delete;
    clsMutex& operator=(const clsMutex&) = delete;

    // "OrvaneConnection-" and the upper-case hexadecimal code of each
    // character of name, without leading zeros ("AB" gives
    // "OrvaneConnection-4142").
    static std::string MutexName(std::string_view name);

    // Gives up any name held, then creates or opens the mutex of name. True
    // when it was newly created, false when it already existed.
    bool func_CreateConnectionName(std::string_view name);
    // Gives up the name (and the ownership, if held).
    void sub_DeleteConnectionName();
    // Waits up to timeoutMs (Infinite: for ever) to own the mutex; whether it
    // was granted is not reported. Does nothing while no name is held.
    void sub_LockMutex(int32_t timeoutMs);
    // Gives one lock back; the mutex is free once every lock is given back.
    void sub_UnlockMutex();

    bool HoldsName() const { return handle_ != nullptr; }
    bool Owns() const { return lockCount_ > 0; }

private:
    std::unique_ptr<LockFile> handle_;
    std::unique_ptr<LockFile> owner_;
    int lockCount_ = 0;
};
