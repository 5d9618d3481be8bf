#include "sdk/sim/BuiltinDatabase.h"

namespace ZOSCOPELib::sim {
namespace {

struct ObjectiveRow {
    const char* name;
    int16_t model, types, mag, wd, method;
    double wdValue, na, minNa;
    int16_t fks;
};

// Models: series names; Types: correction; Mag; Method; WDSeries; FKS.
// Entry 0 of each list means "no entry".
constexpr ObjectiveRow Objectives[] = {
    {"AU 2x Achro", 1, 1, 1, 1, 1, 7.50, 0.06, 0.00, 0},
    {"AU 4x Achro", 1, 1, 2, 1, 1, 30.00, 0.10, 0.00, 0},
    {"AU 10x Achro", 1, 1, 3, 1, 1, 5.60, 0.25, 0.00, 1},
    {"AU 20x Achro", 1, 1, 4, 2, 1, 6.90, 0.40, 0.00, 1},
    {"AU 40x Achro", 1, 1, 5, 2, 1, 3.10, 0.55, 0.00, 1},
    {"BO 4x Flat", 2, 2, 2, 1, 1, 17.00, 0.13, 0.00, 0},
    {"BO 10x Flat PH", 2, 2, 3, 1, 2, 16.00, 0.30, 0.00, 1},
    {"BO 20x Flat PH", 2, 2, 4, 2, 2, 2.10, 0.45, 0.00, 1},
    {"BO 40x Flat PH", 2, 2, 5, 2, 2, 0.72, 0.60, 0.00, 1},
    {"BO 60x Flat Oil", 2, 2, 6, 1, 1, 0.20, 1.25, 0.00, 2},
    {"CI 10x Semi", 3, 3, 3, 1, 4, 16.00, 0.30, 0.00, 1},
    {"CI 20x Semi", 3, 3, 4, 1, 4, 1.00, 0.50, 0.00, 1},
    {"CI 40x Semi Oil", 3, 3, 5, 1, 4, 0.20, 1.30, 0.00, 2},
    {"CI 60x Semi Oil", 3, 3, 6, 1, 4, 0.21, 1.25, 0.65, 2},
    {"CI 100x Semi Oil", 3, 3, 7, 1, 4, 0.20, 1.30, 0.50, 2},
    {"DE 10x Apo", 4, 4, 3, 1, 1, 4.00, 0.45, 0.00, 1},
    {"DE 20x Apo", 4, 4, 4, 1, 1, 0.80, 0.75, 0.00, 1},
    {"DE 40x Apo", 4, 4, 5, 1, 1, 0.17, 0.95, 0.00, 1},
    {"DE 60x Apo Oil", 4, 4, 6, 1, 1, 0.13, 1.40, 0.00, 2},
    {"DE 100x Apo Oil", 4, 4, 7, 1, 1, 0.13, 1.45, 0.00, 2},
    {"DE 60x Apo DIC", 4, 4, 6, 1, 3, 0.15, 1.40, 0.00, 2},
    {"DE 100x Apo DIC", 4, 4, 7, 1, 3, 0.13, 1.45, 0.00, 2},
    {"ES 20x LWD", 5, 2, 4, 2, 1, 7.40, 0.40, 0.00, 0},
    {"ES 40x LWD", 5, 2, 5, 2, 2, 3.70, 0.55, 0.00, 0},
    {"ES 40x ELWD", 5, 3, 5, 3, 2, 10.10, 0.50, 0.00, 0},
    {"ES 60x ELWD", 5, 3, 6, 3, 2, 2.60, 0.70, 0.00, 0},
    {"FE 60x Water Apo", 6, 5, 6, 1, 3, 0.27, 1.20, 0.00, 1},
    {"FE 60x TIRF Oil", 6, 4, 6, 1, 5, 0.10, 1.49, 0.00, 2},
    {"FE 100x TIRF Oil", 6, 4, 7, 1, 5, 0.12, 1.49, 0.00, 2},
    {"FE 40x Water Apo", 6, 5, 5, 1, 1, 0.61, 1.15, 0.00, 1},
    {"FE 20x Multi Imm", 6, 4, 4, 1, 1, 0.35, 0.75, 0.00, 1},
    {"FE 10x Multi Imm", 6, 4, 3, 1, 1, 1.00, 0.50, 0.00, 1},
};

const char* const Condensers[] = {"Bright Field", "Phase Ring L", "Phase Ring M", "Phase Ring H", "DIC Prism N", "Dark Field"};

const char* const FilterBlocks[] = {"UVW", "UVN", "VIO", "BLW", "BLN", "CYN", "GFP", "YEL", "GRW", "GRN",
                                    "ORG", "RED", "FRD", "IR7", "DAP", "FIT", "TRC", "Q2B", "Q3B", "POL"};

// Excitation, barrier and dichroic-mirror codes of each built-in filter block.
constexpr FilterComposition Compositions[] = {
    {2, 1, 1}, {3, 2, 1}, {4, 3, 2}, {6, 5, 4}, {7, 6, 4}, {5, 4, 3}, {7, 7, 5}, {9, 8, 6}, {10, 9, 7}, {11, 10, 7},
    {12, 11, 8}, {13, 12, 9}, {14, 13, 10}, {15, 15, 10}, {1, 3, 1}, {6, 6, 5}, {11, 11, 8}, {5, 8, 6}, {8, 11, 9}, {0, 0, 0},
};

const char* const Excitation[] = {"EX340/26", "EX360/40", "EX387/11", "EX405/20", "EX436/20", "EX470/40", "EX480/30", "EX500/20",
                                  "EX510/25", "EX546/10", "EX560/40", "EX580/20", "EX620/60", "EX640/30", "EX710/75"};

const char* const Barrier[] = {"BA420LP", "BA435/40", "BA460/50", "BA480/40", "BA510LP", "BA515/30", "BA535/30", "BA540/25",
                               "BA570LP", "BA590LP", "BA605/70", "BA630/60", "BA665LP", "BA700/75", "BA780LP"};

const char* const Dichroic[] = {"DM400", "DM430", "DM455", "DM490", "DM505", "DM510", "DM565", "DM575", "DM600", "DM660"};

template <std::size_t N>
std::vector<std::string> Names(const char* const (&list)[N])
{
    return std::vector<std::string>(std::begin(list), std::end(list));
}

} // namespace

void FillBuiltinDatabase(Description& d)
{
    d.objectiveLists = {
        std::vector<std::string>{"-", "Aurel", "Borea", "Cirra", "Delve", "Eskar", "Fenn"},
        std::vector<std::string>{"-", "Achromat", "Flat Field", "Semi-Apochromat", "Apochromat", "Water Apochromat"},
        std::vector<std::string>{"-", "2x", "4x", "10x", "20x", "40x", "60x", "100x"},
        std::vector<std::string>{"-", "BF", "PH", "DIC", "FL", "TIRF"},
        std::vector<std::string>{"-", "Std", "LWD", "ELWD"},
        std::vector<std::string>{"-", "OK", "Partial"},
    };
    d.objectives.clear();
    for (const ObjectiveRow& row : Objectives)
        d.objectives.push_back(ObjectiveRecord{row.name, row.model, row.types, row.mag, row.wd, row.method,
                                               row.wdValue, row.na, row.minNa, row.fks});
    d.names[table::Condensers] = Names(Condensers);
    d.names[table::FilterBlocks] = Names(FilterBlocks);
    d.names[table::ExcitationFilters] = Names(Excitation);
    d.names[table::BarrierFilters] = Names(Barrier);
    d.names[table::DichroicMirrors] = Names(Dichroic);
    d.compositions.assign(std::begin(Compositions), std::end(Compositions));
}

} // namespace ZOSCOPELib::sim
