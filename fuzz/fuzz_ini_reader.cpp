// Fuzz target for the profile (INI) reader and writer. Arbitrary bytes are
// read as a settings file: every section and key is listed and read, then one
// key is written and one deleted. Besides crashes it checks the promises the
// program relies on: an unedited file serializes to the same bytes, a write
// lands where it was meant and changes no other key.
#include "core/ProfileDocument.h"
#include "core/clsIniEdit.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& TempFile()
{
    static const std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "zo-fuzz-ini-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            std::abort();
        return folder + "/Fuzz.INI";
    }();
    return path;
}

std::string ReadBack(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool SameName(const std::string& a, const std::string& b)
{
    const auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    return lower(a) == lower(b);
}

using Values = std::map<std::pair<std::string, std::string>, std::string>;

// Every (section, key) the document answers, with its value.
Values AllValues(const zo::ProfileDocument& doc)
{
    Values values;
    for (const std::string& section : doc.SectionNames())
        for (const std::string& key : doc.KeyNames(section))
            if (const std::string* value = doc.Find(section, key))
                values.emplace(std::make_pair(section, key), *value);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const zo::ProfileDocument doc = zo::ProfileDocument::Parse(text);
    Check(doc.Serialize() == text);

    const std::string& path = TempFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    clsIniEdit ini;
    ini.SetIniFilePath(path);

    std::vector<std::string> sections(8);
    try {
        ini.GetSectionNames(sections);
    } catch (const std::out_of_range&) {
        // more than eight sections: the caller's array is too short
    }
    for (const std::string& section : doc.SectionNames()) {
        std::vector<std::string> keys(doc.KeyNames(section).size());
        ini.GetKeyNames(section, keys);
        for (const std::string& key : keys) {
            ini.GetString(section, key, "default");
            ini.GetInt(section, key, 7);
        }
    }

    // Write one key chosen by the input: the first line's text picks the
    // section, the last bytes the key and the value.
    const Values before = AllValues(doc);
    const std::string section = before.empty() ? std::string("Fuzz") : before.begin()->first.first;
    const std::string key = size > 2 ? text.substr(size - 2, 1) + "k" : std::string("Key");
    std::string value = size > 6 ? text.substr(size / 2, 5) : std::string(" v ");
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\0')
            c = '_';
    const int32_t written = ini.WriteString(section, key, value);
    if (written == 1) {
        const zo::ProfileDocument after = zo::ProfileDocument::Parse(ReadBack(path));
        const std::string* stored = after.Find(section, key);
        Check(stored != nullptr && *stored == value);
        Values rest = AllValues(after);
        for (const auto& [name, old] : before) {
            if (SameName(name.first, section) && SameName(name.second, key))
                continue; // the written key itself, in any spelling
            const auto it = rest.find(name);
            Check(it != rest.end() && it->second == old);
        }
    }
    ini.DeleteKey(section, key);
    ini.DeleteSection("Fuzz");
    return 0;
}
