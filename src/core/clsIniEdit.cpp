#include "core/clsIniEdit.h"

#include "core/FileText.h"
#include "core/NumberText.h"
#include "sdk/TextChars.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

clsIniEdit g_IniEdit;

namespace {

// Values longer than this many characters are cut, as a fixed-size read
// buffer cuts them.
constexpr size_t kMaxValueLength = 32766;

std::string ExpandLineBreaks(std::string value)
{
    if (value.find("\\n") == std::string::npos)
        return value;
    std::string result;
    size_t pos = 0;
    bool first = true;
    for (;;) {
        const size_t next = value.find("\\n", pos);
        const std::string_view part = std::string_view(value).substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        if (first)
            result += part;
        else if (!part.empty())
            result.append("\r\n").append(part);
        first = false;
        if (next == std::string::npos)
            break;
        pos = next + 2;
    }
    return result;
}

template <class List>
int32_t CopyNames(const List& found, std::span<std::string> names)
{
    int64_t characters = 0;
    for (const auto& name : found)
        characters += static_cast<int64_t>(name.size()) + 1;
    for (size_t i = 0; i < found.size(); ++i) {
        if (i >= names.size())
            throw std::out_of_range("the name list is longer than the array");
        names[i] = found[i];
    }
    return static_cast<int32_t>(std::min<int64_t>(characters, INT32_MAX));
}

} // namespace

clsIniEdit::~clsIniEdit()
{
    if (pending_)
        Flush();
}

void clsIniEdit::SetIniFilePath(std::string path)
{
    if (pending_)
        Flush();
    if (path != path_) {
        path_ = std::move(path);
        loaded_ = false;
        doc_ = {}; // another file's text is of no use any more
    }
    recheck_ = true;
}

clsIniEdit::FileStamp clsIniEdit::StampOf(const std::string& path)
{
    FileStamp stamp;
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

void clsIniEdit::Load()
{
    const FileStamp stamp = StampOf(path_);
    if (loaded_ && stamp == stamp_)
        return;
    std::string text;
    if (!stamp.exists || !zo::ReadWholeFile(path_, text))
        text.clear(); // a missing or unreadable file reads as an empty one
    doc_ = zo::ProfileDocument::Parse(text);
    stamp_ = stamp;
    loaded_ = true;
}

const zo::ProfileDocument& clsIniEdit::Document()
{
    if (!pending_ && (recheck_ || !loaded_)) {
        Load();
        recheck_ = false;
    }
    return doc_;
}

zo::ProfileDocument& clsIniEdit::DocumentForWrite()
{
    if (!pending_)
        Load(); // never write over a change made on disk since the last read
    recheck_ = false;
    return doc_;
}

int32_t clsIniEdit::Commit()
{
    pending_ = true;
    return batchDepth_ > 0 ? 1 : Flush();
}

int32_t clsIniEdit::Flush()
{
    pending_ = false;
    if (WriteAtomically(doc_.Serialize())) {
        stamp_ = StampOf(path_);
        loaded_ = stamp_.exists;
        return 1;
    }
    loaded_ = false; // the change is lost: the next read sees the file as it is
    return 0;
}

bool clsIniEdit::WriteAtomically(const std::string& text)
{
    return zo::WriteFileAtomically(path_, text).empty();
}

int32_t clsIniEdit::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (key.empty() || value.empty())
        return 0;
    if (!DocumentForWrite().Set(section, key, value))
        return 0;
    return Commit();
}

std::string clsIniEdit::GetString(std::string_view section, std::string_view key, std::string_view defaultValue)
{
    const std::string* value = Document().Find(section, key);
    std::string text(value != nullptr ? std::string_view(*value) : defaultValue);
    if (text.size() > kMaxValueLength) // bytes: no fewer than characters
        text = std::string(func_CharLeft(text, kMaxValueLength));
    return ExpandLineBreaks(std::move(text));
}

int32_t clsIniEdit::GetInt(std::string_view section, std::string_view key, int32_t defaultValue)
{
    const std::string* value = Document().Find(section, key);
    return value == nullptr ? defaultValue : zo::LeadingInt(*value);
}

int32_t clsIniEdit::GetSectionNames(std::span<std::string> names)
{
    return CopyNames(Document().SectionNames(), names);
}

int32_t clsIniEdit::GetKeyNames(std::string_view section, std::span<std::string> names)
{
    return CopyNames(Document().KeyNames(section), names);
}

int32_t clsIniEdit::DeleteSection(std::string_view section)
{
    if (!DocumentForWrite().DeleteSection(section))
        return 1;
    return Commit();
}

int32_t clsIniEdit::DeleteKey(std::string_view section, std::string_view key)
{
    if (key.empty())
        return 0;
    if (!DocumentForWrite().DeleteKey(section, key))
        return 1;
    return Commit();
}

clsIniEdit::Batch::Batch(clsIniEdit& ini) : ini_(ini)
{
    ++ini_.batchDepth_;
}

clsIniEdit::Batch::~Batch()
{
    if (--ini_.batchDepth_ == 0 && ini_.pending_)
        ini_.Flush();
}
