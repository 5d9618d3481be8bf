#pragma once

#include "model/clsNameDatabase.h"

// The filter-block database, shared by both filter turrets: names of codes
// 0..309 with user entries 300..309, the composition of each user block
// (excitation filter, barrier filter and dichroic mirror codes, 0..319), and
// the dichroic-mirror names 0..319 (user entries 300..319). Read, written and
// restored with either turret present.
class clsDbFilter : public clsNameDatabase {
public:
    clsDbFilter();

    int32_t CustomEX(int32_t code) const { return Composition(code).EX; }
    void SetCustomEX(int32_t code, int32_t value);
    int32_t CustomBA(int32_t code) const { return Composition(code).BA; }
    void SetCustomBA(int32_t code, int32_t value);
    int32_t CustomDM(int32_t code) const { return Composition(code).DM; }
    void SetCustomDM(int32_t code, int32_t value);

    // Dichroic-mirror names; "" outside 0..319, where setting does nothing.
    std::string DMName(int32_t code) const { return m_Mirrors.Name(code); }
    void SetDMName(int32_t code, const std::string& name) { m_Mirrors.SetName(code, name); }

    // Numbers of built-in filter blocks and of built-in dichroic mirrors.
    using clsNameDatabase::DatabasePresetCount;
    int32_t DMDatabasePresetCount() const;

    bool Busy() const override;
    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;

private:
    // The mirror names, kept like any other name database; they have no
    // elements of their own in setup files.
    class Mirrors : public clsNameDatabase {
    public:
        Mirrors();
        using clsNameDatabase::DatabasePresetCount;
    };

    // The mirrors answer to the same clsZo as the blocks.
    Mirrors& Attached();

    Mirrors m_Mirrors;
};
