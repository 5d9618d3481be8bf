#include "ModelJson.h"

#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectMicroscope.h"
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
#include "model/clsShortcutKey.h"
#include "model/clsVersion.h"
#include "model/clsZo.h"

namespace {

using Json = nlohmann::ordered_json;

// The values of an indexed member for indices 0..count-1.
template <class Get>
Json List(int count, Get get)
{
    Json list = Json::array();
    for (int i = 0; i < count; ++i)
        list.push_back(get(i));
    return list;
}

template <class Pair>
Json Connections(const Pair& pair)
{
    return Json{{"Use", List(Pair::ConnectorCount, [&](int i) { return pair.Use(i); })},
                {"Maker", List(Pair::ConnectorCount, [&](int i) { return pair.Maker(i); })}};
}

// What is mounted at each position.
Json Positions(const clsPositionCodes& positions)
{
    return Json{{"code", List(positions.PositionCount(), [&](int i) { return positions.code(i); })}};
}

// The user entries of a model database by code; the built-in ones belong to
// the SDK and are not edited.
template <class Field>
Json UserEntries(int32_t last, Field field)
{
    Json entries = Json::object();
    for (int32_t code = clsNameDatabase::FirstUser; code <= last; ++code)
        entries[std::to_string(code)] = field(code);
    return entries;
}

Json NameDatabase(const clsNameDatabase& database)
{
    return Json{{"Name", UserEntries(database.LastCode(), [&](int32_t code) { return database.Name(code); })}};
}

Json FilterBlocks(const clsDbFilter& database)
{
    Json json = NameDatabase(database);
    json["CustomEX"] = UserEntries(database.LastCode(), [&](int32_t code) { return database.CustomEX(code); });
    json["CustomBA"] = UserEntries(database.LastCode(), [&](int32_t code) { return database.CustomBA(code); });
    json["CustomDM"] = UserEntries(database.LastCode(), [&](int32_t code) { return database.CustomDM(code); });
    return json;
}

Json Objectives(const clsDBObjective& database)
{
    const auto user = [&](auto field) {
        return List(clsDBObjective::UserCount, [&](int number) { return (database.*field)(number); });
    };
    return Json{
        {"Name", UserEntries(clsDBObjective::LastCode, [&](int32_t code) { return database.Name(code); })},
        {"ModelCode", user(&clsDBObjective::ModelCode)},
        {"TypesCode", user(&clsDBObjective::TypesCode)},
        {"MagCode", user(&clsDBObjective::MagCode)},
        {"MethodCode", user(&clsDBObjective::MethodCode)},
        {"WDCode", user(&clsDBObjective::WDCode)},
        {"FKSCode", user(&clsDBObjective::FKSCode)},
        {"WDSeriesCode", user(&clsDBObjective::WDSeriesCode)},
        {"NA", user(&clsDBObjective::NA)},
        {"MinNA", user(&clsDBObjective::MinNA)},
    };
}

Json ObservationModes(const clsObservationMode& modes)
{
    using M = clsObservationMode;
    return Json{
        {"Name", List(M::SlotCount, [&](int i) { return modes.Name(i); })},
        {"Mode", List(M::SlotCount, [&](int i) { return List(M::FlagCount, [&](int j) { return modes.Mode(i, j); }); })},
        {"Values",
         List(M::SlotCount, [&](int i) { return List(M::ValueCount, [&](int k) { return modes.Value(i, k); }); })},
        {"FilterBlocks",
         List(M::SlotCount, [&](int i) { return List(2, [&](int row) { return modes.FilterBlock(i, row); }); })},
    };
}

Json ErgoKeys(const clsErgoKey& ergo)
{
    return Json{
        {"Key", List(clsErgoKey::KeyCount, [&](int i) { return ergo.Key(i); })},
        {"KeyAB", List(clsErgoKey::SwitchableCount,
                       [&](int i) { return List(2, [&](int ab) { return ergo.KeyAB(i, ab); }); })},
        {"IsSwitchEnable", ergo.IsSwitchEnable()},
    };
}

} // namespace

Json func_ModelJson(clsZo& zo)
{
    Json model;
    model["Objective"] = Positions(*zo.Objective);
    model["Objective"]["Esc"] = List(zo.Objective->PositionCount(), [&](int i) { return zo.Objective->Esc(i); });
    model["DBObjective"] = Objectives(*zo.DBObjective);
    model["Condenser"] = Positions(*zo.Condenser);
    model["DbCondenser"] = NameDatabase(*zo.DbCondenser);
    model["Filter1"] = Positions(*zo.Filter1);
    model["DbFilter"] = FilterBlocks(*zo.DbFilter);
    model["Filter2"] = Positions(*zo.Filter2);
    model["BAFilter"] = Positions(*zo.BAFilter);
    model["DBBAFilter"] = NameDatabase(*zo.DBBAFilter);
    model["EXFilter"] = Positions(*zo.EXFilter);
    model["DbEXFilter"] = NameDatabase(*zo.DbEXFilter);
    model["ConnectShutter"] = Connections(*zo.ConnectShutter);
    model["ConnectKMX"] = Connections(*zo.ConnectKMX);
    model["ModeALF"] = Json{{"IsALFOn", zo.ModeALF->IsALFOn()}};
    model["ModeRotation"] = Json{{"IsRotationOn", zo.ModeRotation->IsRotationOn()}};
    model["ObservationMode"] = ObservationModes(*zo.ObservationMode);
    model["ConnectFilter"] = Json{{"FilterPosition", zo.ConnectFilter->FilterPosition()}};
    model["ErgoKey"] = ErgoKeys(*zo.ErgoKey);
    model["RemoteKey"] = Json{{"Key", List(clsRemoteKey::KeyCount, [&](int i) { return zo.RemoteKey->Key(i); })}};
    model["ShortcutKey"] =
        Json{{"Key", List(clsShortcutKey::KeyCount, [&](int i) { return zo.ShortcutKey->Key(i); })}};
    const clsConnectMicroscope& microscopes = *zo.ConnectMicroscope;
    model["ConnectMicroscope"] =
        Json{{"MicroscopeName", List(microscopes.func_MicroscopeCount() + 1,
                                     [&](int i) { return microscopes.func_MicroscopeName(i); })}};
    model["ConnectPiezoStage"] = Json{{"Connected", zo.ConnectPiezoStage->Connected()}};
    model["Version"] = Json{{"Version", List(clsVersion::EntryCount, [&](int i) { return zo.Version->Version(i); })}};
    return model;
}
