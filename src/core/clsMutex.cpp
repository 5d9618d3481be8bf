#include "core/clsMutex.h"

#include <chrono>
#include <thread>

namespace {

constexpr std::string_view Prefix = "OrvaneConnection-";

std::string InFolder(const std::string& file)
{
    return LockFile::RuntimeFolder() + "/" + file;
}

} // namespace

clsMutex::~clsMutex()
{
    sub_DeleteConnectionName();
}

std::string clsMutex::MutexName(std::string_view name)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string result(Prefix);
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 16)
            result += Digits[code >> 4];
        result += Digits[code & 15];
    }
    return result;
}

bool clsMutex::func_CreateConnectionName(std::string_view name)
{
    bool closed = true;
    if (handle_) {
        lockCount_ = 0;
        owner_.reset();
        closed = handle_->Close();
        handle_.reset();
    }
    if (!closed)
        throw RuntimeError(55, "the previous connection name could not be given up");

    const std::string mutexName = MutexName(name);
    LockFile registry(InFolder("OrvaneConnection.registry"));
    if (!registry.Open() || !registry.LockExclusive())
        throw RuntimeError(52, "cannot create " + mutexName);

    auto handle = std::make_unique<LockFile>(InFolder(mutexName + ".handle"));
    if (!handle->Open())
        throw RuntimeError(52, "cannot create " + mutexName);
    // Under the registry lock nobody else is between these two steps, and a
    // holder keeps only a shared lock: the exclusive attempt succeeds exactly
    // when no other holder is alive.
    const bool created = handle->TryLockExclusive();
    if (!handle->TryLockShared())
        throw RuntimeError(52, "cannot create " + mutexName);
    handle_ = std::move(handle);
    owner_ = std::make_unique<LockFile>(InFolder(mutexName + ".owner"));
    return created;
}

void clsMutex::sub_DeleteConnectionName()
{
    lockCount_ = 0;
    owner_.reset();
    if (handle_) {
        handle_->Close();
        handle_.reset();
    }
}

void clsMutex::sub_LockMutex(int32_t timeoutMs)
{
    if (!owner_)
        return;
    if (lockCount_ > 0) {
        ++lockCount_;
        return;
    }
    if (!owner_->Open())
        return;
    bool granted = false;
    if (timeoutMs < 0) {
        granted = owner_->LockExclusive();
    } else {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        granted = owner_->TryLockExclusive();
        while (!granted && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            granted = owner_->TryLockExclusive();
        }
    }
    if (granted)
        lockCount_ = 1;
}

void clsMutex::sub_UnlockMutex()
{
    if (lockCount_ == 0 || !owner_)
        return;
    if (--lockCount_ == 0)
        owner_->Unlock();
}
