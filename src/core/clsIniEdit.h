#pragma once
// The one accessor of every INI file of the program (the settings file, the
// language-selection file and the language files). Callers point it at a file
// with SetIniFilePath and then read or write keys of that file.
//
// Reading parses the file once and answers every further read from the parsed
// text until the path is set again (each reader sets it first), or until the
// file on disk has been replaced by a write through this object.
//
// Writing changes the one key and keeps every other line of the file as it
// was (comments, blank lines, unknown keys, their order and spelling). The new
// text goes to a temporary file in the same folder, which is flushed to disk
// and then renamed over the old one, so the file is always either the old or
// the new version. A file that cannot be written keeps its old text and the
// change is lost; the member returns 0 and nothing else happens.

#include "core/ProfileDocument.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

class clsIniEdit {
public:
    clsIniEdit() = default;
    ~clsIniEdit();
    clsIniEdit(const clsIniEdit&) = delete;
    clsIniEdit& operator=(const clsIniEdit&) = delete;

    // The file all other members act on. Setting it (even to the same path)
    // makes the next read look at the file on disk again; another path also
    // lets go of the parsed text of the one before.
    const std::string& IniFilePath() const { return path_; }
    void SetIniFilePath(std::string path);

    // Writes Key=Value into [Section]; 1 on success. An empty key or value
    // writes nothing and gives 0, as does a file that cannot be written.
    int32_t WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The value, or the default when the key is missing, cut to 32766
    // characters, with every backslash-n sequence turned into a line break:
    // the parts between them are joined by CR LF and empty parts are dropped.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue);

    // Leading integer of the value (blanks skipped, optional sign, decimal
    // digits; "12abc" 12, "-5" -5, " 7" 7, "abc" and "" 0); the default only
    // when the key is missing.
    int32_t GetInt(std::string_view section, std::string_view key, int32_t defaultValue);

    // Fill the caller's array from its first element on with the section
    // names (or the key names of one section) in file order. The result is
    // the number of characters of the NUL-separated list (each name plus its
    // NUL). A list longer than the array throws std::out_of_range after the
    // names that fit have been copied.
    int32_t GetSectionNames(std::span<std::string> names);
    int32_t GetKeyNames(std::string_view section, std::span<std::string> names);

    // 1 on success (also when there was nothing to remove), 0 when the file
    // cannot be written. DeleteKey with an empty key does nothing and gives 0.
    int32_t DeleteSection(std::string_view section);
    int32_t DeleteKey(std::string_view section, std::string_view key);

    // Collects the writes made while it lives and puts them into the file in
    // one replacement when it ends (or when the path changes meanwhile). The
    // settings writer uses it so that unloading writes the file once, not once
    // per key. Batches nest; the outermost one writes.
    class Batch {
    public:
        explicit Batch(clsIniEdit& ini);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        clsIniEdit& ini_;
    };

private:
    struct FileStamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        int64_t modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };

    static FileStamp StampOf(const std::string& path);
    const zo::ProfileDocument& Document();   // parsed file for reading
    zo::ProfileDocument& DocumentForWrite(); // parsed file, fresh from disk unless edits are pending
    void Load();
    int32_t Commit();                         // writes the document now or at the end of the batch
    int32_t Flush();                          // writes pending edits to disk
    bool WriteAtomically(const std::string& text);

    std::string path_;
    zo::ProfileDocument doc_;
    FileStamp stamp_;
    bool loaded_ = false;    // doc_ holds the file at stamp_
    bool recheck_ = true;    // look at the disk before the next read
    bool pending_ = false;   // doc_ holds edits not yet on disk (inside a batch)
    int batchDepth_ = 0;
};

// The one accessor, shared by every reader and writer of INI files.
extern clsIniEdit g_IniEdit;
