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

template <class Widget>
Widget* Named(Widget* page, const char* name)
{
    page->setObjectName(name);
    return page;
}

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

QVariant NameOf(const clsNameDatabase& database, int32_t code)
{
    return QString::fromStdString(database.Name(code));
}

std::string Text(const QVariant& value)
{
    return value.toString().toStdString();
}

// A user name of a database that holds names only.
Field NameField(const char* control, const std::string* caption, clsNameDatabase& (*database)(), int32_t first,
                int limit, const char* prefix = "")
{
    return {Field::Name,
            control,
            caption,
            static_cast<double>(limit),
            [database, first](int entry) { return NameOf(database(), first + entry); },
            [database, first](int entry, const QVariant& value) { database().SetName(first + entry, Text(value)); },
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
                    void (clsDBObjective::*set)(int, int16_t), const std::vector<std::string>& (*items)())
{
    return {Field::List,
            control,
            caption,
            0,
            [get](int entry) { return QVariant(static_cast<int>((Objectives().*get)(entry))); },
            [set](int entry, const QVariant& value) { (Objectives().*set)(entry, static_cast<int16_t>(value.toInt())); },
            items};
}

Field ObjectiveNumber(const char* control, const std::string* caption, double (clsDBObjective::*get)(int) const,
                      void (clsDBObjective::*set)(int, double), double limit)
{
    return {Field::Number, control, caption, limit, [get](int entry) { return QVariant((Objectives().*get)(entry)); },
            [set](int entry, const QVariant& value) { (Objectives().*set)(entry, value.toDouble()); }};
}

// The attach page of a device whose models have names only.
SettingPage* ListPage(const char* name, int (*device)(), clsPositionCodes& (*codes)(),
                      const clsNameDatabase& (*database)(), const std::string* caption)
{
    return Named(new AttachListCtl({device, codes, database, caption}), name);
}

SettingPage* DatabasePage(const char* name, const std::string* title, std::vector<Field> fields)
{
    return Named(new AttachDatabaseCtl({title, kUserEntries, std::move(fields)}), name);
}

} // namespace

SettingPage* MakeAttachNosepiece(QWidget* parent)
{
    using Db = clsDBObjective;
    const auto& t = g_LangAttachObjectiveLensCtl;
    return new AttachViews(
        {{Page::Objective, Caption(t.OptSelect), Named(new AttachObjectiveCtl, "AttachObjectiveCtl1")},
         {Page::DBObjective, Caption(t.OptDB),
          DatabasePage(
              "AttachDBObjectiveCtl1", &t.LblAddDB,
              {{Field::Name, "txtName", &t.LblName, kObjectiveName,
                [](int entry) { return QVariant(QString::fromStdString(Objectives().Name(kFirstUser + entry))); },
                [](int entry, const QVariant& value) { Objectives().SetName(kFirstUser + entry, Text(value)); }},
               ObjectiveList("lstMag", &t.LblMag, &Db::MagCode, &Db::SetMagCode,
                             []() -> const std::vector<std::string>& { return Objectives().Mag(); }),
               ObjectiveNumber("txtNA", &t.LblNA, &Db::NA, &Db::SetNA, kLargestNA),
               ObjectiveNumber("txtMinNA", &t.LblMinNA, &Db::MinNA, &Db::SetMinNA, kLargestNA),
               ObjectiveNumber("txtWD", &t.LblWD, &Db::WDSeriesCode, &Db::SetWDSeriesCode, kLargestWD),
               ObjectiveList("lstModel", &t.LblModel, &Db::ModelCode, &Db::SetModelCode,
                             []() -> const std::vector<std::string>& { return Objectives().Models(); }),
               ObjectiveList("lstSeries", &t.LblSeries, &Db::TypesCode, &Db::SetTypesCode,
                             []() -> const std::vector<std::string>& { return Objectives().Types(); }),
               ObjectiveList("lstMethod", &t.LblMethod, &Db::MethodCode, &Db::SetMethodCode,
                             []() -> const std::vector<std::string>& { return Objectives().Method(); }),
               ObjectiveList("lstWDSeries", &t.LblWDSeries, &Db::WDCode, &Db::SetWDCode,
                             []() -> const std::vector<std::string>& { return Objectives().WDSeries(); }),
               {Field::Check, "chkFKS", &t.LblFKS, 0,
                [](int entry) { return QVariant(Objectives().FKSCode(entry) == kFKSTicked); },
                [](int entry, const QVariant& value) {
                    Objectives().SetFKSCode(entry, value.toBool() ? kFKSTicked : kFKSUnticked);
                }}})}},
        parent);
}

SettingPage* MakeAttachCondenser(QWidget* parent)
{
    const auto& t = g_LangAttachCondenserCtl;
    return new AttachViews(
        {{Page::Condenser, Caption(t.OptSelect),
          ListPage(
              "AttachCondenserCtl1", [] { return DeviceIndex::Condenser; },
              []() -> clsPositionCodes& { return *g_Zo->Condenser; },
              []() -> const clsNameDatabase& { return *g_Zo->DbCondenser; }, &t.LblModel)},
         {Page::DBCondenser, Caption(t.OptDB),
          DatabasePage("AttachDBCondenserCtl1", &t.LblAddDB,
                       {NameField("txtName", &t.LblModel,
                                  []() -> clsNameDatabase& { return *g_Zo->DbCondenser; }, kFirstUser, kBlockName)})}},
        parent);
}

SettingPage* MakeAttachFilter(QWidget* parent)
{
    const auto& t = g_LangAttachFilterCtl;
    auto blocks = []() -> const clsNameDatabase& { return *g_Zo->DbFilter; };
    return new AttachViews(
        {{Page::Filter1, [&t]() -> const std::string& { return Exchanged() ? t.OptSelect2 : t.OptSelect1; },
          ListPage(
              "AttachFilter1Ctl1",
              [] { return Exchanged() ? DeviceIndex::FilterTurret2 : DeviceIndex::FilterTurret1; },
              []() -> clsPositionCodes& {
                  return Exchanged() ? static_cast<clsPositionCodes&>(*g_Zo->Filter2) : *g_Zo->Filter1;
              },
              blocks, &t.LblModel)},
         {Page::Filter2, [&t]() -> const std::string& { return Exchanged() ? t.OptSelect1 : t.OptSelect2; },
          ListPage(
              "AttachFilter2Ctl1",
              [] { return Exchanged() ? DeviceIndex::FilterTurret1 : DeviceIndex::FilterTurret2; },
              []() -> clsPositionCodes& {
                  return Exchanged() ? static_cast<clsPositionCodes&>(*g_Zo->Filter1) : *g_Zo->Filter2;
              },
              blocks, &t.LblModel),
          BothTurrets},
         {Page::DBFilter, Caption(t.OptDB),
          DatabasePage(
              "AttachDBFilter1Ctl1", &t.LblAddDB,
              {NameField("txtFilter", &t.LblName, []() -> clsNameDatabase& { return *g_Zo->DbFilter; }, kFirstUser,
                         kBlockName),
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

SettingPage* MakeAttachEXFilter(QWidget* parent)
{
    const auto& t = g_LangAttachEXFilterCtl;
    return new AttachViews(
        {{Page::EXFilter, Caption(t.OptSelect),
          ListPage(
              "AttachEXFilterCtl1", [] { return DeviceIndex::EXWheel; },
              []() -> clsPositionCodes& { return *g_Zo->EXFilter; },
              []() -> const clsNameDatabase& { return *g_Zo->DbEXFilter; }, &t.LblModel)},
         {Page::DBEXFilter, Caption(t.OptDB),
          DatabasePage("AttachDBEXFilterCtl1", &t.LblAddDB,
                       {NameField("txtName", &t.LblModel, []() -> clsNameDatabase& { return *g_Zo->DbEXFilter; },
                                  kFirstUser, kFilterName, "EX")})}},
        parent);
}

SettingPage* MakeAttachBAFilter(QWidget* parent)
{
    const auto& t = g_LangAttachBAFilterCtl;
    return new AttachViews(
        {{Page::BAFilter, Caption(t.OptSelect),
          ListPage(
              "AttachBAFilterCtl1", [] { return DeviceIndex::BAWheel; },
              []() -> clsPositionCodes& { return *g_Zo->BAFilter; },
              []() -> const clsNameDatabase& { return *g_Zo->DBBAFilter; }, &t.LblModel)},
         {Page::DBBAFilter, Caption(t.OptDB),
          DatabasePage("AttachDBBAFilterCtl1", &t.LblAddDB,
                       {NameField("txtName", &t.LblModel, []() -> clsNameDatabase& { return *g_Zo->DBBAFilter; },
                                  kFirstUser, kFilterName, "BA")})}},
        parent);
}
