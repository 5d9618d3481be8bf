#include "core/ProfileDocument.h"

#include "core/NumberText.h"

namespace zo {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view CutAtNul(std::string_view text)
{
    const size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string_view TrimTrailingCr(std::string_view text)
{
    while (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return text;
}

std::string_view TrimTrailingSpace(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A value as it goes into a line: line breaks become backslash-n, and quotes
// protect blanks at either end (or a value that is itself quoted).
std::string EncodeValue(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
            text += "\\n";
        } else {
            text += c;
        }
    }
    const bool needsQuotes = !text.empty() &&
        (IsBlank(text.front()) || IsBlank(text.back()) ||
         (text.size() >= 2 && text.front() == '"' && text.back() == '"'));
    return needsQuotes ? "\"" + text + "\"" : text;
}

bool IsValidKey(std::string_view key)
{
    if (key.empty() || IsBlank(key.front()) || key.front() == '[' || key.front() == ';')
        return false;
    return key.find_first_of("=\r\n") == std::string_view::npos;
}

bool IsValidSection(std::string_view section)
{
    return section.find_first_of("]\r\n") == std::string_view::npos;
}

} // namespace

size_t ProfileDocument::CaseHash::operator()(std::string_view s) const noexcept
{
    size_t h = 1469598103934665603ull;
    for (const char c : s) {
        h ^= static_cast<unsigned char>(LowerAscii(c));
        h *= 1099511628211ull;
    }
    return h;
}

bool ProfileDocument::CaseEqual::operator()(std::string_view a, std::string_view b) const noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

ProfileDocument::Line ProfileDocument::ParseLine(std::string raw, std::string ending)
{
    Line line;
    std::string_view s = TrimTrailingCr(raw);
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    if (!s.empty() && s.front() == '[') {
        const size_t close = s.find(']');
        line.kind = Kind::Section;
        line.name = TrimBlanks(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    } else if (!s.empty() && s.front() != ';') {
        line.kind = Kind::Key;
        const size_t eq = s.find('=');
        if (eq == std::string_view::npos) {
            line.name = TrimTrailingSpace(s);
        } else {
            line.name = s.substr(0, eq);
            line.value = Unquote(TrimBlanks(s.substr(eq + 1)));
        }
    }
    line.raw = std::move(raw);
    line.ending = std::move(ending);
    return line;
}

ProfileDocument ProfileDocument::Parse(std::string_view text)
{
    ProfileDocument doc;
    if (text.substr(0, kBom.size()) == kBom) {
        doc.bom_ = true;
        text.remove_prefix(kBom.size());
    }
    bool endingSeen = false;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t nl = text.find('\n', pos);
        std::string ending;
        size_t end = text.size();
        if (nl != std::string_view::npos) {
            end = nl;
            ending = "\n";
            if (end > pos && text[end - 1] == '\r') {
                --end;
                ending = "\r\n";
            }
        }
        if (!endingSeen && !ending.empty()) {
            doc.newline_ = ending;
            endingSeen = true;
        }
        doc.lines_.push_back(ParseLine(std::string(text.substr(pos, end - pos)), std::move(ending)));
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    doc.Reindex();
    return doc;
}

std::string ProfileDocument::Serialize() const
{
    size_t size = bom_ ? kBom.size() : 0;
    for (const Line& line : lines_)
        size += line.raw.size() + line.ending.size();
    std::string text;
    text.reserve(size);
    if (bom_)
        text += kBom;
    for (const Line& line : lines_) {
        text += line.raw;
        text += line.ending;
    }
    return text;
}

void ProfileDocument::Reindex()
{
    index_.clear();
    SectionIndex* current = nullptr;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            auto [it, inserted] = index_.try_emplace(line.name);
            current = inserted ? &it->second : nullptr; // a repeated section is not looked into
            if (inserted)
                it->second.header = i;
        } else if (line.kind == Kind::Key && current != nullptr) {
            current->keys.try_emplace(line.name, i);
        }
    }
}

const ProfileDocument::SectionIndex* ProfileDocument::FindSection(std::string_view section) const
{
    const auto it = index_.find(TrimBlanks(CutAtNul(section)));
    return it == index_.end() ? nullptr : &it->second;
}

size_t ProfileDocument::SectionEnd(size_t header) const
{
    size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

const std::string* ProfileDocument::Find(std::string_view section, std::string_view key) const
{
    const SectionIndex* sec = FindSection(section);
    if (sec == nullptr)
        return nullptr;
    const auto it = sec->keys.find(CutAtNul(key));
    return it == sec->keys.end() ? nullptr : &lines_[it->second].value;
}

std::vector<std::string> ProfileDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind != Kind::Section)
            continue;
        if (line.name.empty())
            break;
        names.push_back(line.name);
    }
    return names;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    const SectionIndex* sec = FindSection(section);
    if (sec == nullptr)
        return names;
    const size_t end = SectionEnd(sec->header);
    for (size_t i = sec->header + 1; i < end; ++i) {
        if (lines_[i].kind != Kind::Key)
            continue;
        if (lines_[i].name.empty())
            break;
        names.push_back(lines_[i].name);
    }
    return names;
}

void ProfileDocument::EnsureLastLineEnded()
{
    if (!lines_.empty() && lines_.back().ending.empty())
        lines_.back().ending = newline_;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    section = TrimBlanks(CutAtNul(section));
    key = CutAtNul(key);
    value = CutAtNul(value);
    if (!IsValidKey(key) || !IsValidSection(section))
        return false;
    const std::string encoded = EncodeValue(value);

    if (const SectionIndex* sec = FindSection(section)) {
        if (const auto it = sec->keys.find(key); it != sec->keys.end()) {
            Line& line = lines_[it->second];
            // Keep the key exactly as the file spells it.
            const size_t eq = line.raw.find('=');
            // (A line without "=" has no blanks after its name that belong to it.)
            std::string prefix = eq == std::string::npos ? std::string(TrimTrailingSpace(line.raw)) : line.raw.substr(0, eq);
            line = ParseLine(prefix + "=" + encoded, line.ending);
        } else {
            size_t at = sec->header + 1;
            const size_t end = SectionEnd(sec->header);
            for (size_t i = sec->header + 1; i < end; ++i)
                if (lines_[i].kind == Kind::Key)
                    at = i + 1;
            if (at == lines_.size())
                EnsureLastLineEnded();
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                          ParseLine(std::string(key) + "=" + encoded, newline_));
        }
    } else {
        EnsureLastLineEnded();
        if (!lines_.empty() && !TrimBlanks(TrimTrailingCr(lines_.back().raw)).empty())
            lines_.push_back(ParseLine("", newline_));
        lines_.push_back(ParseLine("[" + std::string(section) + "]", newline_));
        lines_.push_back(ParseLine(std::string(key) + "=" + encoded, newline_));
    }
    Reindex();
    return true;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key)
{
    const SectionIndex* sec = FindSection(section);
    if (sec == nullptr)
        return false;
    const auto it = sec->keys.find(CutAtNul(key));
    if (it == sec->keys.end())
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(it->second));
    Reindex();
    return true;
}

bool ProfileDocument::DeleteSection(std::string_view section)
{
    const SectionIndex* sec = FindSection(section);
    if (sec == nullptr)
        return false;
    const size_t begin = sec->header;
    const size_t end = SectionEnd(begin);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin), lines_.begin() + static_cast<std::ptrdiff_t>(end));
    Reindex();
    return true;
}

} // namespace zo
