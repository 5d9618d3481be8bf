#include "pad/PadListTexts.h"

#include "core/NumberText.h"
#include "model/clsDBObjective.h"
#include "sdk/TextChars.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

const std::string& ListText(const std::vector<std::string>& list, int code)
{
    static const std::string none;
    return code >= 0 && static_cast<std::size_t>(code) < list.size() ? list[static_cast<std::size_t>(code)] : none;
}

bool IsBuiltIn(int32_t code)
{
    return code > 0 && code < clsDBObjective::FirstUser;
}

} // namespace

std::string func_PositionEntry(int position, std::string_view name)
{
    return std::to_string(position) + ": " + std::string(name);
}

int16_t func_MagnificationOf(std::string_view text)
{
    const std::string_view number = text.substr(0, text.find('x'));
    const std::optional<double> value = zo::ParseNumber(number);
    if (!value || !std::isfinite(*value) || std::abs(*value) > std::numeric_limits<int16_t>::max())
        return 0;
    return static_cast<int16_t>(std::lround(*value));
}

ObjectiveEntry func_ObjectiveEntry(int position, int32_t code, const clsDBObjective& database)
{
    ZOSCOPELib::ObjectiveRecord record;
    database.sub_GetDbNosepiece(code, record);
    ObjectiveEntry entry;
    entry.NA = std::max(0.0, record.NA);
    if (IsBuiltIn(code) && !record.Name.empty()) {
        const std::string& magnification = ListText(database.Mag(), record.MagCode);
        entry.Text = func_PositionEntry(position, ListText(database.Models(), record.ModelCode)) + " " +
                     magnification + "/ " + zo::FormatDouble(record.NA) + " " +
                     ListText(database.Types(), record.TypesCode) + " " + ListText(database.FKS(), record.FKSCode);
        entry.Magnification = func_MagnificationOf(magnification);
    } else {
        const std::string whole = func_PositionEntry(position, record.Name);
        entry.Text = func_CharLeft(whole, kObjectiveNameLength);
    }
    return entry;
}
