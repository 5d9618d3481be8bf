#pragma once

#include "model/clsComponent.h"

#include <array>
#include <cstdint>

namespace ZOSCOPELib {
class Scope;
class TurretDevice;
class ObjectiveItem;
class NameDatabase;
} // namespace ZOSCOPELib
class clsCodeNames;

// Which model is mounted at each position of a turret or wheel (nosepiece,
// condenser, the two filter turrets, the excitation and barrier wheels): one
// model code per position, working copy and backup, the busy flag of the
// write. The nosepiece adds an escape flag per position, which only counts
// while the Z drive is present. The components differ only in the data of
// their Setting.
class clsPositionCodes : public clsComponent {
public:
    static constexpr int MaxPositions = 8;

    struct Setting {
        int positions;    // 5, 6 or 8
        int mountedIndex; // clsZo::IsMounted index of the device
        ZOSCOPELib::TurretDevice& (*device)(ZOSCOPELib::Scope&);
        // The nosepiece's positions as objectives (escape flags); null elsewhere.
        ZOSCOPELib::ObjectiveItem& (*objective)(ZOSCOPELib::Scope&, int32_t position);
        const clsCodeNames& (*names)(const clsZo&); // the database that names the codes
        int message;
        bool* refresh; // the pad's re-initialise flag
        // Where DatabasePresetCount is read from; null when the component has none.
        ZOSCOPELib::NameDatabase& (*presets)(ZOSCOPELib::Scope&);
    };

    explicit clsPositionCodes(const Setting& setting) : m_Setting(setting) {}

    int PositionCount() const { return m_Setting.positions; }
    // Model code at position i + 1; 0 outside the positions, where setting does nothing.
    int32_t code(int i) const;
    void SetCode(int i, int32_t value);
    // True while func_WriteSdk runs.
    bool Busy() const { return m_Busy; }

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

protected:
    // Escape flag at position i + 1 (nosepiece); False outside.
    bool Esc(int i) const;
    void SetEsc(int i, bool value);
    // Number of models in the SDK database, read by func_ReadSdk (Setting::presets).
    int32_t DatabasePresetCount() const { return m_PresetCount; }

private:
    struct Positions {
        std::array<int32_t, MaxPositions> code{};
        std::array<bool, MaxPositions> esc{};
    };

    bool InRange(int i) const { return i >= 0 && i < m_Setting.positions; }
    bool Present() const;
    // Escape flags are read, written and restored only with the Z drive.
    bool EscapePresent() const;
    const clsCodeNames& Names() const { return m_Setting.names(*Zo); }
    // Writes position i + 1 to the SDK; throws what the SDK throws.
    void WritePosition(ZOSCOPELib::Scope& scope, int i, bool escape);

    const Setting m_Setting;
    Positions m_Work;
    Positions m_Backup;
    int32_t m_PresetCount = 0;
    bool m_Busy = false;
};
