#include "settings/AttachPages.h"

#include "core/mdlLanguage.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsEXFilter.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "settings/AttachDatabaseCtl.h"
#include "settings/AttachListCtl.h"
#include "settings/AttachMainCtl.h"
#include "settings/AttachObjectiveCtl.h"
#include "settings/AttachViews.h"

namespace {

using Field = AttachDatabaseCtl::Field;
using Page = AttachMainCtl::PageNumber;
using Create = std::function<SettingPage*(QWidget*)>;

// Most characters of a user name, as setup files keep them.
constexpr int kObjectiveName = 8;
constexpr int kBlockName = 5;
constexpr int kFilterName = 9;
// The largest numerical aperture and working distance.
constexpr double kLargestNA = 9.99;
constexpr double kLargestWD = 40;
constexpr int32_t kFirstUser = 300;
// User filter block k keeps its excitation filter, dichroic mirror and
// barrier filter as user entry 310 + k of their databases.
constexpr int32_t kFirstBlockPart = 310;
// The focus-keeping code of a ticked and of an unticked FKS box.
constexpr int16_t kFKSTicked = 2;
constexpr int16_t kFKSUnticked = 1;
constexpr int kUserEntries = 10;

std::function<const std::string&()> Caption(const std::string& text)
{
    return [&text]() -> const std::string& { return text; };
}

bool BothTurrets()
{
    return g_Zo->IsMounted(DeviceIndex::FilterTurret1) == 1 && g_Zo->IsMounted(DeviceIndex::FilterTurret2) == 1;
}

// The first filter page edits the turret that the program's first filter
// row stands for, the second page the other one; each view button names the
// turret its page edits.
bool Exchanged()
{
    return g_Zo->ConnectFilter->FilterPosition();
}

std::string Text(const QVariant& value)
{
    return value.toString().toStdString();
}

// A user name of a database that holds names only.
Field NameField(const char* control, const std::string* caption, std::function<clsNameDatabase&()> database,
                int limit, const char* prefix = "")
{
    return {Field::Name,
            control,
            caption,
            static_cast<double>(limit),
            [database](int entry) { return QVariant(QString::fromStdString(database().Name(kFirstUser + entry))); },
            [database](int entry, const QVariant& value) { database().SetName(kFirstUser + entry, Text(value)); },
            nullptr,
            prefix};
}

// A part of user filter block `entry`: its name as entry 310 + k of the
// part's database, and the block made of that entry (none without a name).
Field BlockPart(const char* control, const std::string* caption, std::string (*name)(int32_t),
                void (*setName)(int32_t, const std::string&), void (clsDbFilter::*setPart)(int32_t, int32_t))
{
    return {Field::Name,
            control,
            caption,
            kFilterName,
            [name](int entry) { return QString::fromStdString(name(kFirstBlockPart + entry)); },
            [setName, setPart](int entry, const QVariant& value) {
                const std::string text = Text(value);
                setName(kFirstBlockPart + entry, text);
                (g_Zo->DbFilter.get()->*setPart)(kFirstUser + entry, text.empty() ? 0 : kFirstBlockPart + entry);
            }};
}

clsDBObjective& Objectives()
{
    return *g_Zo->DBObjective;
}

// A field of a user objective that is chosen from one of the database's lists.
Field ObjectiveList(const char* control, const std::string* caption, int16_t (clsDBObjective::*get)(int) const,
                    void (clsDBObjective::*set)(int, int16_t), const std::vector<std::string>& (clsDBObjective::*items)() const)
{
    return {Field::List,
            control,
            caption,
            0,
            [get](int entry) { return QVariant(static_cast<int>((Objectives().*get)(entry))); },
            [set](int entry, const QVariant& value) { (Objectives().*set)(entry, static_cast<int16_t>(value.toInt())); },
            [items]() -> const std::vector<std::string>& { return (Objectives().*items)(); }};
}

Field ObjectiveNumber(const char* control, const std::string* caption, double (clsDBObjective::*get)(int) const,
                      void (clsDBObjective::*set)(int, double), double limit)
{
    return {Field::Number, control, caption, limit, [get](int entry) { return QVariant((Objectives().*get)(entry)); },
            [set](int entry, const QVariant& value) { (Objectives().*set)(entry, value.toDouble()); }};
}

Create ListPage(AttachListCtl::Setting setting)
{
    return [setting](QWidget* parent) { return new AttachListCtl(setting, parent); };
}

Create DatabasePage(const std::string* title, std::vector<Field> fields)
{
    return [title, fields](QWidget* parent) { return new AttachDatabaseCtl({title, kUserEntries, fields}, parent); };
}

// A device whose models have names only, and its database of user names.
struct NameList {
    int page; // the attach page; the database page is DBObjective further on
    const char* attach;
    const char* database;
    const LangAttachListCtl& texts;
    int device;
    int limit;
    const char* prefix;
};

template <class Codes, class Names>
SettingPage* NameListViews(const NameList& list, std::unique_ptr<Codes> clsZo::*codes,
                           std::unique_ptr<Names> clsZo::*names, QWidget* parent)
{
    const LangAttachListCtl& t = list.texts;
    return new AttachViews(
        {{list.page, list.attach, Caption(t.OptSelect),
          ListPage({[device = list.device] { return device; },
                    [codes]() -> clsPositionCodes& { return *(g_Zo.get().*codes); },
                    [names]() -> const clsNameDatabase& { return *(g_Zo.get().*names); }, &t.LblModel})},
         {list.page + Page::DBObjective, list.database, Caption(t.OptDB),
          DatabasePage(&t.LblAddDB, {NameField(
                                         "txtName", &t.LblModel,
                                         [names]() -> clsNameDatabase& { return *(g_Zo.get().*names); },
                                         list.limit, list.prefix)})}},
        parent);
}

} // namespace

SettingPage* MakeAttachNosepiece(QWidget* parent)
{
    using Db = clsDBObjective;
    const auto& t = g_LangAttachObjectiveLensCtl;
    return new AttachViews(
        {{Page::Objective, "AttachObjectiveCtl1", Caption(t.OptSelect),
          [](QWidget* page) { return new AttachObjectiveCtl(page); }},
         {Page::DBObjective, "AttachDBObjectiveCtl1", Caption(t.OptDB),
          DatabasePage(
              &t.LblAddDB,
              {{Field::Name, "txtName", &t.LblName, kObjectiveName,
                [](int entry) { return QVariant(QString::fromStdString(Objectives().Name(kFirstUser + entry))); },
                [](int entry, const QVariant& value) { Objectives().SetName(kFirstUser + entry, Text(value)); }},
               ObjectiveList("lstMag", &t.LblMag, &Db::MagCode, &Db::SetMagCode, &Db::Mag),
               ObjectiveNumber("txtNA", &t.LblNA, &Db::NA, &Db::SetNA, kLargestNA),
               ObjectiveNumber("txtMinNA", &t.LblMinNA, &Db::MinNA, &Db::SetMinNA, kLargestNA),
               ObjectiveNumber("txtWD", &t.LblWD, &Db::WDSeriesCode, &Db::SetWDSeriesCode, kLargestWD),
               ObjectiveList("lstModel", &t.LblModel, &Db::ModelCode, &Db::SetModelCode, &Db::Models),
               ObjectiveList("lstSeries", &t.LblSeries, &Db::TypesCode, &Db::SetTypesCode, &Db::Types),
               ObjectiveList("lstMethod", &t.LblMethod, &Db::MethodCode, &Db::SetMethodCode, &Db::Method),
               ObjectiveList("lstWDSeries", &t.LblWDSeries, &Db::WDCode, &Db::SetWDCode, &Db::WDSeries),
               {Field::Check, "chkFKS", &t.LblFKS, 0,
                [](int entry) { return QVariant(Objectives().FKSCode(entry) == kFKSTicked); },
                [](int entry, const QVariant& value) {
                    Objectives().SetFKSCode(entry, value.toBool() ? kFKSTicked : kFKSUnticked);
                }}})}},
        parent);
}

SettingPage* MakeAttachCondenser(QWidget* parent)
{
    return NameListViews({Page::Condenser, "AttachCondenserCtl1", "AttachDBCondenserCtl1", g_LangAttachCondenserCtl,
                          DeviceIndex::Condenser, kBlockName, ""},
                         &clsZo::Condenser, &clsZo::DbCondenser, parent);
}

SettingPage* MakeAttachEXFilter(QWidget* parent)
{
    return NameListViews({Page::EXFilter, "AttachEXFilterCtl1", "AttachDBEXFilterCtl1", g_LangAttachEXFilterCtl,
                          DeviceIndex::EXWheel, kFilterName, "EX"},
                         &clsZo::EXFilter, &clsZo::DbEXFilter, parent);
}

SettingPage* MakeAttachBAFilter(QWidget* parent)
{
    return NameListViews({Page::BAFilter, "AttachBAFilterCtl1", "AttachDBBAFilterCtl1", g_LangAttachBAFilterCtl,
                          DeviceIndex::BAWheel, kFilterName, "BA"},
                         &clsZo::BAFilter, &clsZo::DBBAFilter, parent);
}

SettingPage* MakeAttachFilter(QWidget* parent)
{
    const auto& t = g_LangAttachFilterCtl;
    // Turret 1's page when `first` is the turret the first filter row stands for.
    auto turret = [](bool first) {
        return AttachListCtl::Setting{
            [first] { return first != Exchanged() ? DeviceIndex::FilterTurret1 : DeviceIndex::FilterTurret2; },
            [first]() -> clsPositionCodes& {
                if (first != Exchanged())
                    return *g_Zo->Filter1;
                return *g_Zo->Filter2;
            },
            []() -> const clsNameDatabase& { return *g_Zo->DbFilter; }, &g_LangAttachFilterCtl.LblModel};
    };
    return new AttachViews(
        {{Page::Filter1, "AttachFilter1Ctl1",
          [&t]() -> const std::string& { return Exchanged() ? t.OptSelect2 : t.OptSelect1; }, ListPage(turret(true))},
         {Page::Filter2, "AttachFilter2Ctl1",
          [&t]() -> const std::string& { return Exchanged() ? t.OptSelect1 : t.OptSelect2; }, ListPage(turret(false)),
          BothTurrets},
         {Page::DBFilter, "AttachDBFilter1Ctl1", Caption(t.OptDB),
          DatabasePage(
              &t.LblAddDB,
              {NameField("txtFilter", &t.LblName, []() -> clsNameDatabase& { return *g_Zo->DbFilter; }, kBlockName),
               BlockPart(
                   "txtEX", &t.LblEX, [](int32_t code) { return g_Zo->DbEXFilter->Name(code); },
                   [](int32_t code, const std::string& name) { g_Zo->DbEXFilter->SetName(code, name); },
                   &clsDbFilter::SetCustomEX),
               BlockPart(
                   "txtDM", &t.LblDM, [](int32_t code) { return g_Zo->DbFilter->DMName(code); },
                   [](int32_t code, const std::string& name) { g_Zo->DbFilter->SetDMName(code, name); },
                   &clsDbFilter::SetCustomDM),
               BlockPart(
                   "txtBA", &t.LblBA, [](int32_t code) { return g_Zo->DBBAFilter->Name(code); },
                   [](int32_t code, const std::string& name) { g_Zo->DBBAFilter->SetName(code, name); },
                   &clsDbFilter::SetCustomBA)})}},
        parent);
}
