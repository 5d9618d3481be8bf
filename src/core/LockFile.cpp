#include "core/LockFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::string LockFile::RuntimeFolder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        std::string folder = runtime;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    std::string folder = "/tmp/ZoControl-" + std::to_string(::getuid());
    // An existing folder is used as it is; a lock in a folder others can
    // write is still a lock, only not a private one.
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

bool LockFile::Open()
{
    if (fd_ >= 0)
        return true;
    do {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    } while (fd_ < 0 && errno == EINTR);
    return fd_ >= 0;
}

bool LockFile::Close()
{
    if (fd_ < 0)
        return true;
    const int fd = fd_;
    fd_ = -1;
    // The descriptor is gone after close() whatever it reports; EINTR is not
    // a failure here.
    return ::close(fd) == 0 || errno == EINTR;
}

bool LockFile::Flock(int operation)
{
    if (fd_ < 0)
        return false;
    int result;
    do {
        result = ::flock(fd_, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool LockFile::TryLockExclusive()
{
    return Flock(LOCK_EX | LOCK_NB);
}

bool LockFile::TryLockShared()
{
    return Flock(LOCK_SH | LOCK_NB);
}

bool LockFile::LockExclusive()
{
    return Flock(LOCK_EX);
}

void LockFile::Unlock()
{
    Flock(LOCK_UN);
}
