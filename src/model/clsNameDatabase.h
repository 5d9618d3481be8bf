#pragma once

#include "model/clsCodeNames.h"
#include "model/clsComponent.h"
#include "sdk/ZoScope.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A model database that gives every model code a name: the SDK's built-in
// models below 300 and the user entries from 300 up to the last code (309 or
// 319), which the user edits and the write sends back. Condensers,
// excitation and barrier filters, dichroic mirrors, and the filter blocks,
// whose user entries also carry their composition (excitation filter,
// barrier filter and dichroic mirror codes). The databases differ only in the
// data of their Setting.
class clsNameDatabase : public clsComponent, public clsCodeNames {
public:
    static constexpr int32_t FirstUser = 300;
    static constexpr int Always = -1; // a presence index that is always met

    struct Setting {
        int32_t last; // last user code
        ZOSCOPELib::NameDatabase& (*database)(ZOSCOPELib::Scope&);
        // Filter blocks: the same database with the compositions; null for names only.
        ZOSCOPELib::FilterBlockDatabase& (*blocks)(ZOSCOPELib::Scope&);
        // Either device present (DeviceIndex, or Always) lets the read in;
        // likewise the write and the restore.
        std::array<int, 2> readWhen;
        std::array<int, 2> writeWhen;
        std::array<int, 2> restoreWhen;
        int message;
        bool* refresh; // the pad's re-initialise flag
        int nameLength; // most characters of a "NAME" in a setup file
    };

    explicit clsNameDatabase(const Setting& setting);

    // Name of the code with surrounding blanks removed; "" outside 0..last,
    // where setting does nothing.
    std::string Name(int32_t code) const override;
    void SetName(int32_t code, std::string_view name);
    // True while func_WriteSdk runs.
    bool Busy() const override { return m_Busy; }
    int32_t LastCode() const { return m_Setting.last; }

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    // "OPTION" elements: POSITION is the entry number 1.., or for filter
    // blocks the code itself.
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

protected:
    // Number of built-in models, read by func_ReadSdk.
    int32_t DatabasePresetCount() const { return m_PresetCount; }
    // The composition of a filter block; zero outside 0..last.
    ZOSCOPELib::FilterComposition Composition(int32_t code) const;
    void SetComposition(int32_t code, const ZOSCOPELib::FilterComposition& parts);

private:
    struct Entry {
        std::string name;
        ZOSCOPELib::FilterComposition parts;
        bool operator==(const Entry&) const = default;
    };

    bool InRange(int32_t code) const { return code >= 0 && code <= m_Setting.last; }
    // Name without a copy; it lives until the entry changes.
    std::string_view TrimmedName(int32_t code) const;
    bool PresentFor(const std::array<int, 2>& devices) const;

    const Setting m_Setting;
    std::vector<Entry> m_Work;   // by code, 0..last
    std::vector<Entry> m_Backup; // user entries, 300..last
    int32_t m_PresetCount = 0;
    bool m_Busy = false;
};
