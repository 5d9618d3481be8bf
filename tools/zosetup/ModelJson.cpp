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
    // The optics components (nosepiece, condenser, filters and their
    // databases) show no members yet: they have no accessors to read.
    for (const char* name : {"Objective", "DBObjective", "Condenser", "DbCondenser", "Filter1", "DbFilter", "Filter2",
                             "BAFilter", "DBBAFilter", "EXFilter", "DbEXFilter"})
        model[name] = Json::object();
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
