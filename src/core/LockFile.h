#pragma once
// An advisory lock file (flock) in the user's runtime folder. A lock belongs
// to the open file, so it ends when the file is closed or the process ends in
// any way: a crash cannot leave a lock behind. Two LockFile objects on the
// same path conflict with each other even inside one process.

#include <string>

class LockFile {
public:
    explicit LockFile(std::string path) : path_(std::move(path)) {}
    ~LockFile() { Close(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // The user's runtime folder: $XDG_RUNTIME_DIR, or /tmp/ZoControl-<uid>
    // (created, owner only) when that is unset. Ends without "/".
    static std::string RuntimeFolder();

    const std::string& Path() const { return path_; }

    // Opens (creating) the file; true when it is open.
    bool Open();
    // Releases any lock and closes the file; false when closing reported an
    // error (the file is closed all the same).
    bool Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Non-blocking attempts; false when another holder's lock is in the way
    // or the file is not open. Taking the other kind of lock converts the one
    // held (not atomically: the old lock is dropped first).
    bool TryLockExclusive();
    bool TryLockShared();
    // Blocks until the lock is granted; false only on a system error.
    bool LockExclusive();
    void Unlock();

private:
    bool Flock(int operation);

    std::string path_;
    int fd_ = -1;
};
