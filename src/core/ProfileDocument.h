#pragma once
// The text of one profile (INI) file, parsed once and edited in place.
//
// Format, as hand-edited files have it:
// - "[name]" starts a section; blanks around the name do not count.
// - "key=value" inside a section. The key is the text before the first "=",
//   indentation removed but trailing blanks kept, so "ChangeGui " and
//   "ChangeGui" are two keys. The value is trimmed of blanks at both ends; one
//   pair of double quotes around it is removed (that is how a value keeps
//   leading or trailing blanks). A line without "=" is a key with an empty
//   value.
// - Lines starting with ";" are comments; they, blank lines and anything
//   before the first section are kept as they are and otherwise ignored.
// - Section and key names compare without letter case (ASCII letters).
// - When a name occurs twice, the first occurrence counts.
// - Lines end with LF or CR LF; a UTF-8 byte-order mark is ignored.
//
// Editing a key rewrites only that key's line (its spelling and indentation
// kept); every other byte of the file stays as it was, so Serialize() of an
// unedited document gives back the exact input.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zo {

class ProfileDocument {
public:
    static ProfileDocument Parse(std::string_view text);
    std::string Serialize() const;

    // The value of the key, or nullptr when the section or key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;

    // Section names in file order; key names of the (first) section in file
    // order. Both stop before the first empty name, as a NUL-separated list
    // ends at an empty entry.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Edits. Set() returns false (and changes nothing) for a name that this
    // format cannot hold: an empty key, a key with "=", a line break, a
    // leading blank or a leading "[" or ";", a section name with "]" or a line
    // break. Line breaks inside a value are stored as backslash-n, which
    // reading turns back into line breaks. A NUL ends every text.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string raw;   // the line without its ending
        std::string ending; // "\n", "\r\n" or "" (last line without one)
        Kind kind = Kind::Other;
        std::string name;  // section or key name as written
        std::string value; // key value, unquoted
    };
    struct CaseHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept;
    };
    struct CaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };
    template <class V>
    using CaseMap = std::unordered_map<std::string, V, CaseHash, CaseEqual>;
    struct SectionIndex {
        size_t header = 0;           // line of the first "[name]"
        CaseMap<size_t> keys;        // first line of each key in that section
    };

    static Line ParseLine(std::string raw, std::string ending);
    static std::string KeyLine(std::string_view keyPrefix, std::string_view value);
    void Reindex();
    const SectionIndex* FindSection(std::string_view section) const;
    size_t SectionEnd(size_t header) const; // index of the line after the section
    void EnsureLastLineEnded();

    bool bom_ = false;
    std::string newline_ = "\n"; // ending for lines this program adds
    std::vector<Line> lines_;
    CaseMap<SectionIndex> index_;
};

} // namespace zo
