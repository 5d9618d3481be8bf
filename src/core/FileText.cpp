#include "core/FileText.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zo {

namespace {

bool WriteAll(int fd, std::string_view text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string ErrnoText(const std::string& what, const fs::path& path)
{
    return what + " " + path.string() + ": " + std::strerror(errno);
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& text, std::size_t limit)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    text.clear();
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (static_cast<size_t>(n) > limit - text.size()) {
                ok = false;
                break;
            }
            text.append(buffer, static_cast<size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

std::string WriteFileAtomically(const std::string& path, std::string_view text)
{
    if (path.empty())
        return "no file name";
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        target = fs::weakly_canonical(target, ec); // replace the file the link names, keep the link
        if (ec)
            return "cannot follow the link " + path + ": " + ec.message();
    }

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return target.string() + " is not a file";
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return ErrnoText("cannot write", target); // a read-only file stays as it is

    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    static std::atomic<unsigned> counter{0};
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                         std::to_string(counter++));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return ErrnoText("cannot create a file in", folder);
    }
    if (fd < 0)
        return ErrnoText("cannot create a file in", folder);

    std::string error;
    if (!WriteAll(fd, text))
        error = ErrnoText("cannot write", temp);
    else if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = ErrnoText("cannot set the permissions of", temp);
    else if (::fsync(fd) != 0)
        error = ErrnoText("cannot sync", temp);
    if (::close(fd) != 0 && error.empty())
        error = ErrnoText("cannot close", temp);
    if (error.empty() && ::rename(temp.c_str(), target.c_str()) != 0)
        error = ErrnoText("cannot replace", target);
    if (!error.empty()) {
        ::unlink(temp.c_str());
        return error;
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir); // make the rename itself durable
        ::close(dir);
    }
    return {};
}

} // namespace zo
