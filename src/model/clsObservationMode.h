#pragma once

#include "model/clsComponent.h"
#include "sdk/ZoScope.h"

#include <array>
#include <cstdint>
#include <string>

// Up to eight observation modes: named presets of device states that the SDK
// stores and applies. Per slot a name ("" = empty slot), 17 flags (which
// devices belong to the mode), the SDK's 23-value mode record and the two
// filter-block cells of the program's first and second filter-block row.
// 2147483647 in a value or filter-block cell means "not part of the mode".
class clsObservationMode : public clsComponent {
public:
    static constexpr int SlotCount = 8;
    static constexpr int FlagCount = 17;
    static constexpr int ValueCount = 23;
    static constexpr int32_t NotSet = ZOSCOPELib::NotSet;

    clsObservationMode();

    // Name of slot i; "" outside 0..7, where setting does nothing.
    std::string Name(int i) const;
    void SetName(int i, const std::string& name);
    // Flag item j of slot i; 0 out of range. Setting stores the flag and
    // records the device's current state from the pad (0 clears the cell).
    int16_t Mode(int i, int j) const;
    void SetMode(int i, int j, int16_t flag);
    // The cells themselves, for views and checks; NotSet outside the arrays.
    int32_t Value(int i, int slot) const;
    int32_t FilterBlock(int i, int row) const;

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    // Stores every named backup mode again with the two filter-turret values
    // exchanged (the turret order of the filter accessory changed). The working
    // copy is not touched; errors are passed over.
    std::string func_ReserveFL();
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    struct Modes {
        std::array<std::string, SlotCount> names;
        std::array<std::array<int16_t, FlagCount>, SlotCount> flags{};
        std::array<ZOSCOPELib::ModeRecord, SlotCount> values{};
        std::array<std::array<int32_t, 2>, SlotCount> filterBlocks{};
    };

    // The creation state of the working copy: no names, no flags, every
    // value and filter-block cell NotSet. The backup is left alone.
    void sub_Reset();
    // The cell of flag item j in slot i of modes; null for a shutter item
    // whose connector has no use.
    int32_t* Cell(Modes& modes, int i, int j) const;
    // The current state of the device behind flag item j, as the pad's
    // parameter reports it; 1 when the pad has no such parameter.
    int32_t Capture(int j) const;
    bool FilterPosition() const;

    Modes m_Work;
    Modes m_Backup;
};
