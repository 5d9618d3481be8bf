#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <memory>
#include <string>

class clsZo;

// Setup files: the whole editable model as an XML document with the root
// "ZOSETUP" and one element per section. One table of sections drives both
// reading and writing: the section's tag, its FileItem index and which child
// elements go to which component (the writers follow in that order).
//
// Files are parsed without a document type definition and without entity
// expansion; a file over MaxFileSize is refused like one that is not
// well-formed. Saving replaces the target atomically and writes the same
// bytes for the same model.
//
// func_ReadXMLItems keeps the document it parsed for the sub_ReadXML that
// follows (the settings dialog asks which sections to load in between): that
// one reads the file again and parses it only when its bytes changed.
class clsSetupFile {
public:
    static constexpr std::size_t MaxFileSize = 16u * 1024u * 1024u;
    static constexpr int SectionCount = 15;

    explicit clsSetupFile(clsZo& zo) : m_Zo(zo) {}

    // Sets every FileItem flag to whether the file has that section. False
    // (after message 51 or 52) when the file is not a setup file.
    bool func_ReadXMLItems(const std::string& path);
    // Loads the sections whose FileItem flag is set into the working copies;
    // the rejected elements are listed in message 55 at the end.
    void sub_ReadXML(const std::string& path);
    // Saves the whole model (message 53); on failure returns message 54, a
    // line break and what went wrong, and shows nothing.
    std::string func_WriteXML(const std::string& path);

    // The document func_WriteXML saves, as text.
    std::string func_DocumentText() const;
    // The load of sub_ReadXML from a document in memory: returns the report
    // lines and shows nothing; false in loaded when the text is not a setup
    // file.
    std::string func_ReadText(const std::string& text, bool& loaded);

private:
    enum class LoadResult { Loaded, Unreadable, NotSetupFile };

    // Parses text into document and finds the root.
    static LoadResult Parse(const std::string& text, pugi::xml_document& document, pugi::xml_node& root);
    // A setup file as read and parsed.
    struct Loaded {
        std::string path;
        std::string text; // the bytes read
        pugi::xml_document document;
        pugi::xml_node root;
    };
    // Reads and parses the file; shows message 51 or 52 and returns null when
    // it is of no use. known is returned when the file still holds its bytes.
    static std::unique_ptr<Loaded> Load(const std::string& path, std::unique_ptr<Loaded> known);
    // Passes every selected section's expected children to their components.
    std::string ReadSections(const pugi::xml_node& root);

    clsZo& m_Zo;
    std::unique_ptr<Loaded> m_Items; // what func_ReadXMLItems loaded, until the next load
};
