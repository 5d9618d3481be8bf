#include "sdk/sim/SimDescription.h"

#include "sdk/TextChars.h"
#include "sdk/sim/SimText.h"

#include <algorithm>
#include <functional>

namespace ZOSCOPELib::sim {

namespace {

constexpr std::array<const char*, DeviceIndex::Count> ObjectNames = {
    "DiaLamp",       "Irlux",         "DiaShutter", "EpiShutter", "AuxShutter", "BarrierWheel",
    "ExcitationWheel", "Condenser",   "FilterTurret1", "FilterTurret2", "Nosepiece", "FKSUnit",
    "LightPath",     "TIRF",          "XAxis",      "YAxis",      "ZDrive",     "PiezoZ",
    "KMX1",          "KMX2",          "Analyzer",   "Device21",   "RemotePad",  "ErgoController"};

constexpr std::array<const char*, 6> ObjectiveListNames = {"Models", "Types", "Mag", "Method", "WDSeries", "FKS"};

struct ObjectiveRow {
    const char* name;
    int16_t model, types, mag, method, wd;
    double wdValue, na, minNa;
    int16_t fks;
};

// Invented catalogue: generic optical series, no real product line.
// Lists: model 1 Plan Achromat, 2 Plan Fluorite, 3 Plan Apochromat,
// 4 Fluorite, 5 Achromat, 6 TIRF Apochromat, 7 Long Distance Fluorite;
// types 1 Dry, 2 Oil, 3 Water, 4 Silicone, 5 Glycerol; mag 1 2x .. 7 100x;
// method 1 BF, 2 Ph1, 3 Ph2, 4 Ph3, 5 DIC, 6 DIC N2; wd 1 Standard, 2 LWD, 3 ELWD.
constexpr ObjectiveRow Objectives[] = {
    {"ZPA 2x", 1, 1, 1, 1, 1, 8.50, 0.06, 0, 0},       {"ZPA 4x", 1, 1, 2, 1, 1, 17.0, 0.10, 0, 0},
    {"ZPA 10x", 1, 1, 3, 1, 1, 6.70, 0.25, 0, 1},      {"ZPA 10x Ph1", 1, 1, 3, 2, 1, 6.70, 0.25, 0, 1},
    {"ZPA 20x", 1, 1, 4, 1, 1, 1.30, 0.40, 0, 1},      {"ZPA 40x", 1, 1, 5, 1, 1, 0.57, 0.65, 0, 1},
    {"ZPF 4x", 2, 1, 2, 1, 1, 17.1, 0.13, 0, 0},       {"ZPF 10x", 2, 1, 3, 1, 1, 16.0, 0.30, 0, 1},
    {"ZPF 10x Ph1", 2, 1, 3, 2, 1, 16.0, 0.30, 0, 1},  {"ZPF 20x", 2, 1, 4, 5, 1, 2.10, 0.50, 0, 1},
    {"ZPF 20x Ph2", 2, 1, 4, 3, 1, 2.10, 0.50, 0, 1},  {"ZPF 40x", 2, 1, 5, 5, 1, 0.66, 0.75, 0, 1},
    {"ZPF 40x Oil", 2, 2, 5, 5, 1, 0.24, 1.30, 0, 1},  {"ZPF 60x Oil", 2, 2, 6, 5, 1, 0.16, 1.25, 0.65, 1},
    {"ZPF 100x Oil", 2, 2, 7, 5, 1, 0.20, 1.30, 0.50, 1},
    {"ZAP 10x", 3, 1, 3, 5, 1, 4.00, 0.45, 0, 1},      {"ZAP 20x", 3, 1, 4, 5, 1, 1.00, 0.75, 0, 1},
    {"ZAP 40x", 3, 1, 5, 5, 1, 0.17, 0.95, 0, 1},      {"ZAP 40x Oil", 3, 2, 5, 5, 1, 0.16, 1.30, 0, 1},
    {"ZAP 60x Oil", 3, 2, 6, 6, 1, 0.13, 1.40, 0, 2},  {"ZAP 60x Water", 3, 3, 6, 5, 1, 0.27, 1.20, 0, 1},
    {"ZAP 100x Oil", 3, 2, 7, 6, 1, 0.13, 1.45, 0, 2}, {"ZAP 40x Sil", 3, 4, 5, 5, 1, 0.30, 1.25, 0, 1},
    {"ZAP 60x Sil", 3, 4, 6, 5, 1, 0.30, 1.30, 0, 1},  {"ZF 20x", 4, 1, 4, 1, 1, 1.00, 0.75, 0, 1},
    {"ZF 40x Oil", 4, 2, 5, 1, 1, 0.22, 1.30, 0, 1},   {"ZF 40x Glyc", 4, 5, 5, 5, 1, 0.30, 1.15, 0, 1},
    {"ZA 4x", 5, 1, 2, 1, 1, 30.0, 0.10, 0, 0},        {"ZA 10x Ph1", 5, 1, 3, 2, 1, 7.00, 0.25, 0, 0},
    {"ZTA 60x Oil", 6, 2, 6, 1, 1, 0.12, 1.49, 0, 2},  {"ZTA 100x Oil", 6, 2, 7, 1, 1, 0.12, 1.49, 0, 2},
    {"ZLF 20x", 7, 1, 4, 1, 2, 7.40, 0.45, 0, 1},      {"ZLF 40x", 7, 1, 5, 1, 2, 2.90, 0.60, 0, 1},
    {"ZLF 40x Ph2", 7, 1, 5, 3, 3, 3.70, 0.55, 0, 1},  {"ZLF 60x", 7, 1, 6, 1, 3, 2.60, 0.70, 0, 1},
};

struct BlockRow {
    const char* name;
    int32_t ex, ba, dm;
};

constexpr const char* ExFilters[] = {"340/26", "357/44", "387/11", "405/20", "438/24", "470/40", "480/30", "488/10",
                                     "500/24", "545/30", "560/40", "572/35", "620/60", "640/30", "710/75"};
constexpr const char* BaFilters[] = {"447/60", "460/50", "483/32", "510/20", "520/35", "535/30", "542/27", "575 LP",
                                     "593/40", "605/70", "630/75", "665 LP", "690/50", "700/75", "809/81"};
constexpr const char* Mirrors[] = {"DM 400", "DM 455", "DM 495", "DM 505", "DM 515",
                                   "DM 565", "DM 585", "DM 660", "DM Dual", "DM Quad"};
constexpr BlockRow Blocks[] = {
    {"DAPI", 2, 2, 1},   {"BFP", 3, 1, 1},    {"CFP", 5, 3, 2},    {"GFP", 6, 6, 3},   {"FITC", 7, 5, 4},
    {"YFP", 9, 7, 5},    {"TRITC", 10, 9, 6}, {"Cy3", 11, 10, 6},  {"mCher", 12, 11, 7}, {"TxRed", 12, 10, 7},
    {"Cy5", 14, 13, 8},  {"Cy7", 15, 15, 8},  {"GFP-L", 6, 8, 3},  {"DsRed", 11, 9, 6}, {"DAPIW", 1, 1, 1},
    {"CFYF", 5, 4, 9},   {"Dual", 6, 11, 9},  {"Quad", 4, 12, 10}, {"Mirr", 0, 0, 0},   {"Empty", 0, 0, 0},
};

constexpr const char* Condensers[] = {"Open", "Ph1", "Ph2", "Ph3", "DIC N1", "DIC N2"};

[[noreturn]] void Fail(const std::string& origin, int line, const std::string& message)
{
    throw SdkError("ZOSCOPELib.Simulator", InvalidArgument,
                   origin + ":" + std::to_string(line) + ": " + message);
}

ModeRecord Unset()
{
    ModeRecord r;
    r.fill(NotSet);
    return r;
}

std::string JoinBar(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "|" : "") + items[i];
    return out;
}

// The databases that hold only names, by section, with their highest code.
struct NameSection {
    std::map<int32_t, std::string>* entries = nullptr;
    int32_t lastCode = 0;
};

NameSection NameDatabase(Databases& databases, const std::string& section)
{
    if (SameName(section, "Database.Condensers"))
        return {&databases.condensers, 309};
    if (SameName(section, "Database.ExcitationFilters"))
        return {&databases.excitationFilters, 319};
    if (SameName(section, "Database.BarrierFilters"))
        return {&databases.barrierFilters, 319};
    if (SameName(section, "Database.DichroicMirrors"))
        return {&databases.dichroicMirrors, 319};
    return {};
}

} // namespace

const char* DeviceObjectName(int index)
{
    return index >= 0 && index < DeviceIndex::Count ? ObjectNames[static_cast<std::size_t>(index)] : "";
}

int DeviceIndexOf(std::string_view objectName)
{
    for (int i = 0; i < DeviceIndex::Count; ++i)
        if (SameName(objectName, ObjectNames[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

Description Description::Default()
{
    Description d;
    d.mounted.fill(true);
    d.unitVersions = {"3.10", "2.04", "1.12", "1.08", "2.20", "1.01", "1.30"};

    auto turret = [&d](int index, int32_t count, std::vector<int32_t> codes, int32_t delayMs) {
        TurretDescription t;
        t.count = count;
        t.codes = std::move(codes);
        t.codes.resize(static_cast<std::size_t>(count), 0);
        t.delayMs = delayMs;
        d.turrets[index] = t;
    };
    turret(DeviceIndex::Nosepiece, 6, {2, 3, 5, 12, 20, 22}, 400);
    turret(DeviceIndex::Condenser, 5, {1, 2, 3, 5, 6}, 300);
    turret(DeviceIndex::FilterTurret1, 6, {1, 4, 5, 7, 11, 19}, 250);
    turret(DeviceIndex::FilterTurret2, 6, {3, 4, 9, 10, 20, 0}, 250);
    turret(DeviceIndex::EXWheel, 8, {1, 4, 6, 8, 10, 11, 13, 14}, 150);
    turret(DeviceIndex::BAWheel, 8, {1, 3, 5, 7, 9, 10, 12, 13}, 150);
    turret(DeviceIndex::LightPath, 4, {0, 0, 0, 0}, 350);
    d.turrets[DeviceIndex::Nosepiece].escape.assign(6, 0);
    d.turrets[DeviceIndex::LightPath].portKinds = {1, 2, 3, 4};
    // Turret 1 in the lower place of the mount: the pad's first filter row,
    // its icon "1" and its tooltip all mean turret 1.
    d.turrets[DeviceIndex::FilterTurret1].level = 2;
    d.turrets[DeviceIndex::FilterTurret2].level = 1;
    d.ndWheel.count = 6;
    d.ndWheel.codes.assign(6, 0);
    d.ndWheel.delayMs = 120;

    // X/Y: 0.1 um per unit, +-57 mm, 5 mm/s. Z: 25 nm per unit, 8 mm, 1 mm/s.
    d.axes[DeviceIndex::XAxis] = {-570000, 570000, 100, 50000, 0};
    d.axes[DeviceIndex::YAxis] = {-380000, 380000, 100, 50000, 0};
    d.axes[DeviceIndex::ZDrive] = {0, 320000, 25, 40000, 120000};
    d.axes[DeviceIndex::PiezoZ] = {0, 4000, 25, 40000, 2000};
    d.axes[DeviceIndex::TIRF] = {0, 12000, 1, 6000, 0};
    d.fksOffset = {0, 39999, 1, 8000, 20000};
    d.lamp = {0, 24, 1, 0, 6};

    d.shutters[DeviceIndex::EpiShutter] = {false, 1, 2};
    d.shutters[DeviceIndex::AuxShutter] = {false, 2, 2};
    d.shutters[DeviceIndex::DiaShutter] = {true, 1, 1};
    d.cameras[DeviceIndex::KMX1] = {1, 2};
    d.cameras[DeviceIndex::KMX2] = {0, 0};
    d.ergoKeys = {15, 16, 17, 21, 22, 70, 71, 72, 73, 79};

    Databases& db = d.databases;
    db.objectiveLists = {
        std::vector<std::string>{"-", "Plan Achromat", "Plan Fluorite", "Plan Apochromat", "Fluorite", "Achromat",
                                 "TIRF Apochromat", "Long Distance Fluorite"},
        std::vector<std::string>{"-", "Dry", "Oil", "Water", "Silicone", "Glycerol"},
        std::vector<std::string>{"-", "2x", "4x", "10x", "20x", "40x", "60x", "100x"},
        std::vector<std::string>{"-", "BF", "Ph1", "Ph2", "Ph3", "DIC", "DIC N2"},
        std::vector<std::string>{"-", "Standard", "LWD", "ELWD"},
        std::vector<std::string>{"No FKS", "FKS", "FKS TIRF"},
    };
    int32_t code = 1;
    for (const ObjectiveRow& row : Objectives)
        db.objectives[code++] = ObjectiveRecord{row.name, row.model, row.types, row.mag, row.wd, row.method,
                                                row.wdValue, row.na, row.minNa, row.fks};
    code = 1;
    for (const char* name : Condensers)
        db.condensers[code++] = name;
    code = 1;
    for (const BlockRow& row : Blocks)
        db.filterBlocks[code++] = {row.name, {row.ex, row.ba, row.dm}};
    code = 1;
    for (const char* name : ExFilters)
        db.excitationFilters[code++] = name;
    code = 1;
    for (const char* name : BaFilters)
        db.barrierFilters[code++] = name;
    code = 1;
    for (const char* name : Mirrors)
        db.dichroicMirrors[code++] = name;

    // Three stored modes: brightfield, phase contrast, GFP fluorescence.
    ModeRecord bf = Unset();
    bf[0] = 3; bf[5] = 1; bf[7] = 1; bf[8] = 12; bf[9] = 0; bf[10] = 1; bf[13] = 1;
    ModeRecord ph = Unset();
    ph[0] = 2; ph[5] = 2; ph[7] = 1; ph[8] = 14; ph[10] = 1; ph[13] = 1;
    ModeRecord gfp = Unset();
    gfp[0] = 4; gfp[1] = 3; gfp[3] = 3; gfp[4] = 3; gfp[7] = 0; gfp[9] = 1; gfp[10] = 0; gfp[12] = 1; gfp[13] = 2; gfp[14] = 2;
    d.modes = {{"BF", bf}, {"PH", ph}, {"GFP", gfp}};
    return d;
}

void Description::Apply(std::string_view text, const std::string& origin)
{
    std::vector<TextError> errors;
    const std::vector<TextLine> lines = ParseText(text, errors);
    if (!errors.empty())
        Fail(origin, errors.front().line, errors.front().message);

    bool modesCleared = false;
    for (const TextLine& l : lines) {
        auto integer = [&](int64_t lo, int64_t hi) {
            const auto v = ParseInteger(l.value);
            if (!v || *v < lo || *v > hi)
                Fail(origin, l.line, l.key + ": expected a whole number from " + std::to_string(lo) + " to " +
                                         std::to_string(hi));
            return static_cast<int32_t>(*v);
        };
        auto real = [&](double lo, double hi) {
            const auto v = ParseReal(l.value);
            if (!v || *v < lo || *v > hi)
                Fail(origin, l.line, l.key + ": expected a number from " + FormatReal(lo) + " to " + FormatReal(hi));
            return *v;
        };
        auto list = [&](std::size_t count, int64_t lo, int64_t hi) {
            const auto v = ParseIntegerList(l.value);
            if (!v || (count && v->size() != count))
                Fail(origin, l.line, l.key + ": expected " + (count ? std::to_string(count) + " " : std::string()) +
                                         "comma-separated whole numbers");
            std::vector<int32_t> out;
            for (int64_t x : *v) {
                if (x < lo || x > hi)
                    Fail(origin, l.line, l.key + ": " + std::to_string(x) + " is outside " + std::to_string(lo) +
                                             ".." + std::to_string(hi));
                out.push_back(static_cast<int32_t>(x));
            }
            return out;
        };
        auto unknown = [&] { Fail(origin, l.line, "unknown key \"" + l.key + "\" in [" + l.section + "]"); };
        auto is = [&](std::string_view key) { return SameName(l.key, key); };
        auto codeKey = [&](int32_t hi) {
            const auto c = ParseInteger(l.key);
            if (!c || *c < 1 || *c > hi)
                Fail(origin, l.line, "\"" + l.key + "\" is not a database code from 1 to " + std::to_string(hi));
            return static_cast<int32_t>(*c);
        };
        auto nameField = [&](const std::string& s) {
            if (func_CharCount(s) > kLongestName)
                Fail(origin, l.line, "a name is at most 40 characters");
            return s;
        };

        const std::string& sec = l.section;
        const int device = DeviceIndexOf(sec);
        if (SameName(sec, "Instrument")) {
            if (is("SystemType")) {
                systemType = integer(-1, 99);
            } else if (l.key.size() > 11 && SameName(l.key.substr(0, 11), "Microscope.")) {
                const auto n = ParseInteger(l.key.substr(11));
                if (!n || *n < 1 || *n > 16)
                    Fail(origin, l.line, "Microscope.N: N is 1..16");
                const std::vector<std::string> f = SplitFields(l.value, ',');
                if (f.size() > 2 || (f.size() == 2 && !SameName(f[1], "available") && !SameName(f[1], "unavailable")))
                    Fail(origin, l.line, "Microscope.N = name[, available|unavailable]");
                if (microscopes.size() < static_cast<std::size_t>(*n))
                    microscopes.resize(static_cast<std::size_t>(*n));
                microscopes[static_cast<std::size_t>(*n - 1)] = {f[0], f.size() < 2 || SameName(f[1], "available")};
            } else if (l.key.size() > 12 && SameName(l.key.substr(0, 12), "UnitVersion.")) {
                const auto n = ParseInteger(l.key.substr(12));
                if (!n || *n < 1 || *n > 7)
                    Fail(origin, l.line, "UnitVersion.N: N is 1..7");
                if (unitVersions.size() < static_cast<std::size_t>(*n))
                    unitVersions.resize(static_cast<std::size_t>(*n));
                unitVersions[static_cast<std::size_t>(*n - 1)] = l.value;
            } else {
                unknown();
            }
        } else if (SameName(sec, "Mounted")) {
            const int idx = DeviceIndexOf(l.key);
            if (idx < 0)
                Fail(origin, l.line, "unknown device \"" + l.key + "\"");
            mounted[static_cast<std::size_t>(idx)] = integer(0, 1) == 1;
        } else if (device >= 0 && turrets.count(device)) {
            TurretDescription& t = turrets[device];
            if (is("Positions")) {
                t.count = integer(1, device == DeviceIndex::LightPath ? 8 : 12);
                t.codes.resize(static_cast<std::size_t>(t.count), 0);
                if (!t.escape.empty())
                    t.escape.resize(static_cast<std::size_t>(t.count), 0);
                if (!t.portKinds.empty())
                    t.portKinds.resize(static_cast<std::size_t>(t.count), 0);
                t.position = std::min(t.position, t.count);
            } else if (is("Codes")) {
                t.codes = list(static_cast<std::size_t>(t.count), 0, 319);
            } else if (is("Position")) {
                t.position = integer(1, t.count);
            } else if (is("DelayMs")) {
                t.delayMs = integer(0, 60000);
            } else if (device == DeviceIndex::Nosepiece && is("Escape")) {
                t.escape = list(static_cast<std::size_t>(t.count), 0, 1);
            } else if (device == DeviceIndex::Nosepiece && is("ALF")) {
                alfMode = integer(0, 1);
            } else if (device == DeviceIndex::Nosepiece && is("RotationStopper")) {
                rotationStopper = integer(0, 1);
            } else if (device == DeviceIndex::LightPath && is("PortKinds")) {
                t.portKinds = list(static_cast<std::size_t>(t.count), 0, 6);
            } else if ((device == DeviceIndex::FilterTurret1 || device == DeviceIndex::FilterTurret2) && is("Level")) {
                t.level = integer(1, 2);
            } else {
                unknown();
            }
        } else if ((device >= 0 && axes.count(device)) || SameName(sec, "FKSOffset") ||
                   device == DeviceIndex::DiaLamp) {
            AxisDescription& a = device == DeviceIndex::DiaLamp ? lamp : device >= 0 ? axes[device] : fksOffset;
            if (is("Lower")) {
                a.lower = integer(-2000000000, 2000000000);
            } else if (is("Upper")) {
                a.upper = integer(-2000000000, 2000000000);
            } else if (is("Resolution") && device != DeviceIndex::DiaLamp) {
                a.resolution = real(0.001, 1e6);
            } else if (is("Speed") && device != DeviceIndex::DiaLamp) {
                a.speed = integer(1, 2000000000);
            } else if (is("Position") || (device == DeviceIndex::DiaLamp && is("Level"))) {
                a.position = integer(-2000000000, 2000000000);
            } else if (device == DeviceIndex::PiezoZ && is("Connection")) {
                piezoConnection = integer(-1, 1);
            } else {
                unknown();
            }
            if (a.lower > a.upper)
                Fail(origin, l.line, "Lower is above Upper");
            a.position = std::clamp(a.position, a.lower, a.upper);
        } else if (device >= 0 && shutters.count(device)) {
            ShutterDescription& s = shutters[device];
            if (is("BuiltIn"))
                s.builtIn = integer(0, 1) == 1;
            else if (is("Connector"))
                s.connector = integer(0, 2);
            else if (is("Maker"))
                s.maker = integer(0, 99);
            else
                unknown();
        } else if (device >= 0 && cameras.count(device)) {
            CameraDescription& c = cameras[device];
            if (is("CameraType"))
                c.type = integer(-1, 99);
            else if (is("CameraMaker"))
                c.maker = integer(0, 99);
            else
                unknown();
        } else if (device == DeviceIndex::Illuminator) {
            if (is("NDCount")) {
                ndWheel.count = integer(1, 12);
                ndWheel.codes.assign(static_cast<std::size_t>(ndWheel.count), 0);
                ndWheel.position = std::min(ndWheel.position, ndWheel.count);
            } else if (is("NDPosition")) {
                ndWheel.position = integer(1, ndWheel.count);
            } else {
                unknown();
            }
        } else if (device == DeviceIndex::ErgoController) {
            if (is("Keys")) {
                const std::vector<int32_t> keys = list(10, 0, 99999);
                std::copy(keys.begin(), keys.end(), ergoKeys.begin());
            } else if (is("SwitchEnabled")) {
                ergoSwitchEnabled = integer(0, 1);
            } else {
                unknown();
            }
        } else if (SameName(sec, "Database.Objectives")) {
            bool isList = false;
            for (std::size_t i = 0; i < ObjectiveListNames.size(); ++i)
                if (is(ObjectiveListNames[i])) {
                    databases.objectiveLists[i] = SplitFields(l.value, '|');
                    isList = true;
                }
            if (isList)
                continue;
            const int32_t c = codeKey(309);
            const std::vector<std::string> f = SplitFields(l.value, '|');
            if (f.size() == 1 && f[0].empty()) {
                databases.objectives.erase(c);
                continue;
            }
            if (f.size() != 10)
                Fail(origin, l.line, "an objective is name|model|types|mag|wd|method|wdseries|na|minna|fks");
            auto small = [&](const std::string& s) {
                const auto v = ParseInteger(s);
                if (!v || *v < 0 || *v > 61)
                    Fail(origin, l.line, "a list code is a whole number from 0 to 61");
                return static_cast<int16_t>(*v);
            };
            auto num = [&](const std::string& s, double hi) {
                const auto v = ParseReal(s);
                if (!v || *v < 0 || *v > hi)
                    Fail(origin, l.line, "an optical value is a number from 0 to " + FormatReal(hi));
                return *v;
            };
            databases.objectives[c] = ObjectiveRecord{nameField(f[0]), small(f[1]), small(f[2]), small(f[3]),
                                                      small(f[4]), small(f[5]), num(f[6], 40), num(f[7], 9.99),
                                                      num(f[8], 9.99), small(f[9])};
        } else if (SameName(sec, "Database.FilterBlocks")) {
            const int32_t c = codeKey(309);
            const std::vector<std::string> f = SplitFields(l.value, '|');
            if (f.size() == 1 && f[0].empty()) {
                databases.filterBlocks.erase(c);
                continue;
            }
            if (f.size() != 4)
                Fail(origin, l.line, "a filter block is name|ex|ba|dm");
            FilterBlockEntry e{nameField(f[0]), {}};
            int32_t* parts[] = {&e.composition.EX, &e.composition.BA, &e.composition.DM};
            for (int i = 0; i < 3; ++i) {
                const auto v = ParseInteger(f[static_cast<std::size_t>(i + 1)]);
                if (!v || *v < 0 || *v > 319)
                    Fail(origin, l.line, "filter codes are whole numbers from 0 to 319");
                *parts[i] = static_cast<int32_t>(*v);
            }
            databases.filterBlocks[c] = e;
        } else if (const auto names = NameDatabase(databases, sec); names.entries) {
            // "code = name"; an empty name takes the entry out.
            const int32_t c = codeKey(names.lastCode);
            if (l.value.empty())
                names.entries->erase(c);
            else
                (*names.entries)[c] = nameField(l.value);
        } else if (SameName(sec, "Faults")) {
            if (is("NotAnswering")) {
                for (const std::string& name : SplitFields(l.value, ',')) {
                    const int idx = DeviceIndexOf(Trim(name));
                    if (idx < 0)
                        Fail(origin, l.line, "unknown device \"" + Trim(name) + "\"");
                    notAnswering.push_back(idx);
                }
                continue;
            }
            // "Object.Member = number[, times]"; the member is after the last dot.
            const std::size_t dot = l.key.rfind('.');
            const auto v = ParseIntegerList(l.value);
            if (dot == std::string::npos || dot == 0 || dot + 1 == l.key.size() || !v || v->empty() || v->size() > 2 ||
                (*v)[0] < INT32_MIN || (*v)[0] > INT32_MAX || (v->size() == 2 && ((*v)[1] < 1 || (*v)[1] > 1000000)))
                Fail(origin, l.line, "a fault is Object.Member = error number[, times 1..1000000]");
            faults.push_back({l.key.substr(0, dot), l.key.substr(dot + 1), static_cast<int32_t>((*v)[0]),
                              v->size() == 2 ? static_cast<int>((*v)[1]) : -1});
        } else if (SameName(sec, "Modes")) {
            // "N = name|23 comma-separated values", in list order.
            if (!modesCleared) {
                modes.clear();
                modesCleared = true;
            }
            const auto n = ParseInteger(l.key);
            if (!n || *n < 1 || *n > 64)
                Fail(origin, l.line, "a mode key is its number, 1..64");
            if (l.value.empty())
                continue;
            const std::size_t bar = l.value.find('|');
            const auto v = bar == std::string::npos ? std::nullopt : ParseIntegerList(l.value.substr(bar + 1));
            if (!v || v->size() != 23)
                Fail(origin, l.line, "a mode is name|23 comma-separated whole numbers");
            const std::string name = Trim(l.value.substr(0, bar));
            if (name.empty() || func_CharCount(name) > kLongestName)
                Fail(origin, l.line, "a mode name has 1 to 40 characters");
            ModeRecord r;
            for (std::size_t i = 0; i < 23; ++i) {
                if ((*v)[i] < INT32_MIN || (*v)[i] > INT32_MAX)
                    Fail(origin, l.line, "a mode value must fit 32 bits");
                r[i] = static_cast<int32_t>((*v)[i]);
            }
            auto same = std::find_if(modes.begin(), modes.end(), [&](const auto& m) { return m.first == name; });
            if (same != modes.end())
                same->second = r;
            else
                modes.emplace_back(name, r);
        } else {
            Fail(origin, l.line, "unknown section [" + sec + "]");
        }
    }
}

std::string Description::StateText() const
{
    std::string out = "; Configuration of the simulated microscope, kept between runs.\n";
    auto section = [&out](const std::string& name) { out += "\n[" + name + "]\n"; };
    auto pair = [&out](const std::string& key, const std::string& value) { out += key + " = " + value + "\n"; };

    for (const auto& [index, t] : turrets) {
        section(DeviceObjectName(index));
        pair("Codes", FormatIntegerList(t.codes));
        if (index == DeviceIndex::Nosepiece) {
            pair("Escape", FormatIntegerList(t.escape));
            pair("ALF", std::to_string(alfMode));
            pair("RotationStopper", std::to_string(rotationStopper));
        }
        if (index == DeviceIndex::FilterTurret1 || index == DeviceIndex::FilterTurret2)
            pair("Level", std::to_string(t.level));
    }
    section("PiezoZ");
    pair("Connection", std::to_string(piezoConnection));
    for (const auto& [index, s] : shutters) {
        section(DeviceObjectName(index));
        pair("BuiltIn", s.builtIn ? "1" : "0");
        pair("Connector", std::to_string(s.connector));
        pair("Maker", std::to_string(s.maker));
    }
    for (const auto& [index, c] : cameras) {
        section(DeviceObjectName(index));
        pair("CameraType", std::to_string(c.type));
        pair("CameraMaker", std::to_string(c.maker));
    }
    section("ErgoController");
    pair("Keys", FormatIntegerList(std::vector<int32_t>(ergoKeys.begin(), ergoKeys.end())));
    pair("SwitchEnabled", std::to_string(ergoSwitchEnabled));

    // User entries only; an empty value removes an entry the description had.
    auto user = [&](const std::string& name, int32_t last, const std::function<std::string(int32_t)>& value) {
        section(name);
        for (int32_t c = 300; c <= last; ++c)
            pair(std::to_string(c), value(c));
    };
    const Databases& db = databases;
    user("Database.Objectives", 309, [&db](int32_t c) {
        const auto it = db.objectives.find(c);
        if (it == db.objectives.end())
            return std::string();
        const ObjectiveRecord& r = it->second;
        return JoinBar({r.Name, std::to_string(r.ModelCode), std::to_string(r.TypesCode), std::to_string(r.MagCode),
                        std::to_string(r.WDCode), std::to_string(r.MethodCode), FormatReal(r.WDSeriesCode),
                        FormatReal(r.NA), FormatReal(r.MinNA), std::to_string(r.FKSCode)});
    });
    auto names = [](const std::map<int32_t, std::string>& map) {
        return [&map](int32_t c) {
            const auto it = map.find(c);
            return it == map.end() ? std::string() : it->second;
        };
    };
    user("Database.Condensers", 309, names(db.condensers));
    user("Database.FilterBlocks", 309, [&db](int32_t c) {
        const auto it = db.filterBlocks.find(c);
        if (it == db.filterBlocks.end())
            return std::string();
        const FilterComposition& f = it->second.composition;
        return JoinBar({it->second.name, std::to_string(f.EX), std::to_string(f.BA), std::to_string(f.DM)});
    });
    user("Database.ExcitationFilters", 319, names(db.excitationFilters));
    user("Database.BarrierFilters", 319, names(db.barrierFilters));
    user("Database.DichroicMirrors", 319, names(db.dichroicMirrors));

    // An empty first entry stands for "no modes", so an emptied list survives too.
    section("Modes");
    if (modes.empty())
        pair("1", "");
    int number = 0;
    for (const auto& [name, values] : modes)
        pair(std::to_string(++number), name + "|" + FormatIntegerList(std::vector<int32_t>(values.begin(), values.end())));
    return out;
}

} // namespace ZOSCOPELib::sim
