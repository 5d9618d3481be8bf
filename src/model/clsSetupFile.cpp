#include "model/clsSetupFile.h"

#include "core/FileText.h"
#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"
#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsEXFilter.h"
#include "model/clsErgoKey.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "model/clsObjective.h"
#include "model/clsObservationMode.h"
#include "model/clsRemoteKey.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"

#include <array>
#include <exception>
#include <span>
#include <string_view>
#include <utility>

namespace {

using ComponentOf = clsComponent* (*)(clsZo&);

struct SectionChild {
    const char* element;
    ComponentOf component;
};

struct Section {
    const char* tag;
    int fileItem;
    std::array<SectionChild, 2> children; // a second child with no element is unused
};

template <auto Member>
clsComponent* Get(clsZo& zo)
{
    return (zo.*Member).get();
}

// The sections in the order written. Reading accepts them in any order; the
// components of a section write in the order of its children.
constexpr std::array<Section, clsSetupFile::SectionCount> kSections{{
    {"NOSEPIECE", 0, {{{"ITEM", Get<&clsZo::Objective>}, {"OPTION", Get<&clsZo::DBObjective>}}}},
    {"CONDENSER", 1, {{{"ITEM", Get<&clsZo::Condenser>}, {"OPTION", Get<&clsZo::DbCondenser>}}}},
    {"FILTER1", 2, {{{"ITEM", Get<&clsZo::Filter1>}, {"OPTION", Get<&clsZo::DbFilter>}}}},
    {"FILTER2", 3, {{{"ITEM", Get<&clsZo::Filter2>}, {}}}},
    {"BAFILTER", 5, {{{"ITEM", Get<&clsZo::BAFilter>}, {"OPTION", Get<&clsZo::DBBAFilter>}}}},
    {"EXFILTER", 4, {{{"ITEM", Get<&clsZo::EXFilter>}, {"OPTION", Get<&clsZo::DbEXFilter>}}}},
    {"FLTURRET", 8, {{{"VALUE", Get<&clsZo::ConnectFilter>}, {}}}},
    {"ALF", 9, {{{"VALUE", Get<&clsZo::ModeALF>}, {}}}},
    {"ROTATIONSTOPPER", 10, {{{"VALUE", Get<&clsZo::ModeRotation>}, {}}}},
    {"OBSERVATIONMODE", 13, {{{"USER", Get<&clsZo::ObservationMode>}, {}}}},
    {"SHUTTER", 6, {{{"VALUE", Get<&clsZo::ConnectShutter>}, {}}}},
    {"CAMERA", 7, {{{"VALUE", Get<&clsZo::ConnectKMX>}, {}}}},
    {"ERGOCONTROL", 12, {{{"KEYAB", Get<&clsZo::ErgoKey>}, {"KEY", Get<&clsZo::ErgoKey>}}}},
    {"REMOTECONTROL", 11, {{{"KEY", Get<&clsZo::RemoteKey>}, {}}}},
    {"PIEZOSTAGE", 14, {{{"CONNECTED", Get<&clsZo::ConnectPiezoStage>}, {}}}},
}};

// The section tags in table order, for func_DomNameIndex.
constexpr std::array<std::string_view, clsSetupFile::SectionCount> SectionTags()
{
    std::array<std::string_view, clsSetupFile::SectionCount> tags{};
    for (std::size_t i = 0; i < tags.size(); ++i)
        tags[i] = kSections[i].tag;
    return tags;
}

// The section node stands for; null for anything else. hint: the index after
// the last section found (files list them in table order).
const Section* SectionOf(const pugi::xml_node& node, std::size_t& hint)
{
    static constexpr auto kTags = SectionTags();
    if (node.type() != pugi::node_element)
        return nullptr;
    const std::size_t k = func_DomNameIndex(node.name(), kTags, hint);
    if (k == kTags.size())
        return nullptr;
    hint = k + 1;
    return &kSections[k];
}

// An in-memory sink for pugixml's writer.
class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

// Only what well-formed XML needs: no document type definition, and entity
// references other than the five predefined ones stay as they stand.
constexpr unsigned kParseOptions = pugi::parse_default & ~pugi::parse_doctype;

} // namespace

clsSetupFile::LoadResult clsSetupFile::Parse(const std::string& text, pugi::xml_document& document,
                                             pugi::xml_node& root)
{
    if (text.size() > MaxFileSize || !document.load_buffer(text.data(), text.size(), kParseOptions))
        return LoadResult::Unreadable;
    for (const pugi::xml_node& node : document.children()) {
        if (node.type() == pugi::node_element && func_DomNameIs(node, "ZOSETUP")) {
            root = node;
            return LoadResult::Loaded;
        }
    }
    return LoadResult::NotSetupFile;
}

std::unique_ptr<clsSetupFile::Loaded> clsSetupFile::Load(const std::string& path, std::unique_ptr<Loaded> known)
{
    auto loaded = std::make_unique<Loaded>();
    LoadResult result = LoadResult::Unreadable;
    if (zo::ReadWholeFile(path, loaded->text, MaxFileSize)) {
        if (known && known->path == path && known->text == loaded->text)
            return known; // the same bytes parse to the same document
        result = Parse(loaded->text, loaded->document, loaded->root);
    }
    if (result == LoadResult::Unreadable)
        func_ShowMessage(51, "", UiServices::MB_OK);
    else if (result == LoadResult::NotSetupFile)
        func_ShowMessage(52, "", UiServices::MB_OK);
    if (result != LoadResult::Loaded)
        return nullptr;
    loaded->path = path;
    return loaded;
}

bool clsSetupFile::func_ReadXMLItems(const std::string& path)
{
    for (int i = 0; i < SectionCount; ++i)
        m_Zo.SetFileItem(i, false);
    m_Items = Load(path, nullptr);
    if (!m_Items)
        return false;
    std::size_t hint = 0;
    for (pugi::xml_node node = m_Items->root.first_child(); node; node = node.next_sibling())
        if (const Section* section = SectionOf(node, hint))
            m_Zo.SetFileItem(section->fileItem, true);
    return true;
}

std::string clsSetupFile::ReadSections(const pugi::xml_node& root)
{
    std::string report;
    std::size_t hint = 0;
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        const Section* section = SectionOf(node, hint);
        if (!section || !m_Zo.FileItem(section->fileItem))
            continue;
        // The section's child names and their components, looked up once.
        std::array<std::string_view, 2> names{};
        std::array<clsComponent*, 2> components{};
        std::size_t count = 0;
        for (const SectionChild& expected : section->children) {
            if (expected.element) {
                names[count] = expected.element;
                components[count++] = expected.component(m_Zo);
            }
        }
        const std::span<const std::string_view> expected(names.data(), count);
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            const std::size_t k = func_DomNameIndex(child.name(), expected, next);
            if (k == count || child.type() != pugi::node_element)
                continue;
            next = k;
            const std::string error = components[k]->func_ReadDom(child);
            if (!error.empty())
                report = func_JoinLines(report, error);
        }
    }
    return report;
}

void clsSetupFile::sub_ReadXML(const std::string& path)
{
    std::unique_ptr<Loaded> items = std::move(m_Items); // serves this load at most
    bool anySelected = false;
    for (int i = 0; i < SectionCount; ++i)
        anySelected = anySelected || m_Zo.FileItem(i);
    if (!anySelected)
        return; // nothing chosen, nothing to say
    const std::unique_ptr<Loaded> loaded = Load(path, std::move(items));
    if (!loaded)
        return;
    const std::string report = ReadSections(loaded->root);
    if (!report.empty())
        func_ShowMessage(55, report, UiServices::MB_OK);
}

std::string clsSetupFile::func_ReadText(const std::string& text, bool& loaded)
{
    pugi::xml_document document;
    pugi::xml_node root;
    loaded = Parse(text, document, root) == LoadResult::Loaded;
    return loaded ? ReadSections(root) : std::string();
}

std::string clsSetupFile::func_DocumentText() const
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = document.append_child("ZOSETUP");
    for (const Section& section : kSections) {
        pugi::xml_node element = root.append_child(section.tag);
        ComponentOf previous = nullptr;
        for (const SectionChild& child : section.children) {
            if (!child.element || child.component == previous)
                continue; // a component with two kinds of children writes once
            previous = child.component;
            child.component(m_Zo)->sub_WriteDom(document, element);
        }
    }
    StringWriter writer;
    document.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(writer.text);
}

std::string clsSetupFile::func_WriteXML(const std::string& path)
{
    std::string error;
    try {
        error = zo::WriteFileAtomically(path, func_DocumentText());
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (!error.empty())
        return func_JoinLines(func_GetMessage(54), error);
    func_ShowMessage(53, "", UiServices::MB_OK);
    return {};
}
