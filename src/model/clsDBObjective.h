#pragma once

#include "model/clsCodeNames.h"
#include "model/clsComponent.h"
#include "sdk/ZoScope.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The objective database: one record per model code 0..309 (the SDK's
// built-in objectives and the user entries 300..309) with the SDK's six
// lists that give the texts of a record's list codes. Records 300..309 have a
// backup and are what the write sends. Read and written only with the
// nosepiece present.
class clsDBObjective : public clsComponent, public clsCodeNames {
public:
    using Record = ZOSCOPELib::ObjectiveRecord;
    static constexpr int32_t LastCode = 309;
    static constexpr int32_t FirstUser = 300;
    static constexpr int UserCount = 10; // user entries, numbered 0..9 by the accessors below

    // Name of the code with surrounding blanks removed; "" outside 0..309.
    std::string Name(int32_t code) const override;
    void SetName(int32_t code, const std::string& name);
    // True while func_WriteSdk runs.
    bool Busy() const override { return m_Busy; }
    // Number of built-in objectives (codes 1..count).
    int32_t DatabasePresetCount() const { return m_PresetCount; }

    // Fields of user entry `number` (0..9), record 300 + number. Reading
    // outside gives 0; setting outside does nothing.
    int16_t ModelCode(int number) const { return UserField(number, &Record::ModelCode); }
    void SetModelCode(int number, int16_t value) { SetUserField(number, &Record::ModelCode, value); }
    int16_t TypesCode(int number) const { return UserField(number, &Record::TypesCode); }
    void SetTypesCode(int number, int16_t value) { SetUserField(number, &Record::TypesCode, value); }
    int16_t MagCode(int number) const { return UserField(number, &Record::MagCode); }
    void SetMagCode(int number, int16_t value) { SetUserField(number, &Record::MagCode, value); }
    int16_t WDCode(int number) const { return UserField(number, &Record::WDCode); }
    void SetWDCode(int number, int16_t value) { SetUserField(number, &Record::WDCode, value); }
    int16_t MethodCode(int number) const { return UserField(number, &Record::MethodCode); }
    void SetMethodCode(int number, int16_t value) { SetUserField(number, &Record::MethodCode, value); }
    double WDSeriesCode(int number) const { return UserField(number, &Record::WDSeriesCode); }
    void SetWDSeriesCode(int number, double value) { SetUserField(number, &Record::WDSeriesCode, value); }
    double NA(int number) const { return UserField(number, &Record::NA); }
    void SetNA(int number, double value) { SetUserField(number, &Record::NA, value); }
    double MinNA(int number) const { return UserField(number, &Record::MinNA); }
    void SetMinNA(int number, double value) { SetUserField(number, &Record::MinNA, value); }
    int16_t FKSCode(int number) const { return UserField(number, &Record::FKSCode); }
    void SetFKSCode(int number, int16_t value) { SetUserField(number, &Record::FKSCode, value); }

    // Every field of record `code` at once (the name trimmed); for a code
    // outside 0..309 an empty name and -1 in every other field.
    void sub_GetDbNosepiece(int32_t code, Record& record) const;

    // The SDK's lists, indexed by the codes a record stores.
    const std::vector<std::string>& Models() const { return m_Lists[0]; }
    const std::vector<std::string>& Types() const { return m_Lists[1]; }
    const std::vector<std::string>& Mag() const { return m_Lists[2]; }
    const std::vector<std::string>& Method() const { return m_Lists[3]; }
    const std::vector<std::string>& WDSeries() const { return m_Lists[4]; }
    const std::vector<std::string>& FKS() const { return m_Lists[5]; }

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    // "OPTION" elements: POSITION 1..10, the record packed into a
    // 15-character CODE, NAME.
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    // The 15-character form of a record's fields (all but the name) in
    // setup files, and back; false when the text does not give valid fields.
    static std::string func_PackCode(const Record& record);
    bool func_UnpackCode(std::string_view text, Record& record) const;
    template <class T>
    T UserField(int number, T Record::*field) const
    {
        return number >= 0 && number < UserCount ? m_Records[static_cast<std::size_t>(FirstUser + number)].*field
                                                 : T{};
    }
    template <class T>
    void SetUserField(int number, T Record::*field, T value)
    {
        if (number >= 0 && number < UserCount)
            m_Records[static_cast<std::size_t>(FirstUser + number)].*field = value;
    }
    bool Present() const;

    std::array<Record, LastCode + 1> m_Records;
    std::array<Record, UserCount> m_Backup;
    std::array<std::vector<std::string>, 6> m_Lists;
    int32_t m_PresetCount = 0;
    bool m_Busy = false;
};
