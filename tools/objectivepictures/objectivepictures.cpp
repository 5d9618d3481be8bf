// Draws a picture of every objective of the simulated microscope's database,
// a large side view with the engraving ("sizefontcolor/<name>.svg") and a
// small one for the position buttons ("minifontcolor/<name>.svg"):
//   objectivepictures <Picture/Objectives folder>
// The rings follow the usual colour code: magnification (4x red, 10x yellow,
// 20x green, 40x light blue, 60x cobalt blue, 100x white) and immersion
// (oil black, water white, glycerol orange, silicone brown).

#include "sdk/ZoScope.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Objective {
    std::string name, series, mag, immersion, method, wd;
    double na = 0, distance = 0;
};

std::string MagnificationColour(const std::string& mag)
{
    const double x = std::atof(mag.c_str());
    if (x < 1.5) return "#202020";
    if (x < 3) return "#8b4a26";
    if (x < 6) return "#d7302a";
    if (x < 9) return "#f08a24";
    if (x < 14) return "#f2c51f";
    if (x < 24) return "#2e9e44";
    if (x < 36) return "#2bb5b0";
    if (x < 55) return "#62b8ea";
    if (x < 80) return "#1f4fb4";
    return "#ffffff";
}

// "" for a dry objective: no ring.
std::string ImmersionColour(const std::string& immersion)
{
    if (immersion == "Oil") return "#1b1b1b";
    if (immersion == "Water") return "#ffffff";
    if (immersion == "Glycerol") return "#f08a24";
    if (immersion == "Silicone") return "#8b5a2b";
    return "";
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return out;
}

const char* kMetal = R"svg(<linearGradient id="metal" x1="0" x2="1" y1="0" y2="0">)svg"
                     R"svg(<stop offset="0" stop-color="#9aa2ab"/><stop offset=".45" stop-color="#f4f6f8"/>)svg"
                     R"svg(<stop offset="1" stop-color="#8d959e"/></linearGradient>)svg"
                     R"svg(<linearGradient id="dark" x1="0" x2="1" y1="0" y2="0">)svg"
                     R"svg(<stop offset="0" stop-color="#3c434b"/><stop offset=".45" stop-color="#8a939c"/>)svg"
                     R"svg(<stop offset="1" stop-color="#353b42"/></linearGradient>)svg";

std::string Ring(double x, double y, double width, double height, const std::string& colour)
{
    std::ostringstream s;
    s << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << width << "\" height=\"" << height << "\" fill=\""
      << colour << "\" stroke=\"#4a525b\" stroke-width=\".6\"/>";
    return s.str();
}

// Vertical grip lines across a band.
std::string Knurl(double x0, double x1, double y, double height, double step)
{
    std::ostringstream s;
    s << "<g stroke=\"#2a3037\" stroke-width=\".7\" opacity=\".6\">";
    for (double x = x0 + step / 2; x < x1; x += step)
        s << "<line x1=\"" << x << "\" y1=\"" << y << "\" x2=\"" << x << "\" y2=\"" << y + height << "\"/>";
    s << "</g>";
    return s.str();
}

std::string Text(double y, double size, const std::string& text, const char* colour = "#1e2833",
                 const char* weight = "normal")
{
    std::ostringstream s;
    s << "<text x=\"60\" y=\"" << y << "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"" << size
      << "\" font-weight=\"" << weight << "\" fill=\"" << colour << "\" text-anchor=\"middle\">" << Escape(text)
      << "</text>";
    return s.str();
}

bool LongDistance(const Objective& o)
{
    return o.wd == "LWD" || o.wd == "ELWD";
}

std::string Large(const Objective& o)
{
    std::ostringstream s;
    s << R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="120" height="300" viewBox="0 0 120 300">)svg";
    s << "<defs>" << kMetal << "</defs>";
    // Thread, grip collar, barrel.
    s << R"svg(<rect x="38" y="2" width="44" height="22" fill="#b8bec6" stroke="#5d656e"/>)svg";
    s << R"svg(<g stroke="#7d858e" stroke-width=".8">)svg";
    for (int y = 5; y < 24; y += 3)
        s << "<line x1=\"38\" y1=\"" << y << "\" x2=\"82\" y2=\"" << y << "\"/>";
    s << "</g>";
    s << R"svg(<rect x="16" y="24" width="88" height="18" rx="3" fill="url(#dark)"/>)svg" << Knurl(18, 102, 26, 14, 4);
    s << R"svg(<rect x="20" y="42" width="80" height="160" fill="url(#metal)" stroke="#6b737c" stroke-width=".8"/>)svg";
    // Engraving.
    s << Text(56, 7, o.name, "#4a525b");
    if (o.series.size() > 14) {
        const std::size_t cut = o.series.rfind(' ', 14);
        s << Text(70, 8.5, o.series.substr(0, cut)) << Text(80, 8.5, o.series.substr(cut + 1));
    } else {
        s << Text(75, 9, o.series);
    }
    s << Text(100, 13, o.mag + " / " + Number(o.na), "#1e2833", "bold");
    if (!ImmersionColour(o.immersion).empty())
        s << Text(114, 9, o.immersion);
    s << Text(128, 7, "\xE2\x88\x9E/0.17  WD " + Number(o.distance));
    if (o.method != "BF" && o.method != "-")
        s << Text(141, 8.5, o.method, o.method.rfind("Ph", 0) == 0 ? "#1f7a32" : "#1e2833", "bold");
    if (o.series.find("TIRF") != std::string::npos)
        s << Text(154, 8.5, "TIRF", "#c62828", "bold");
    // A correction collar on long-distance objectives.
    if (LongDistance(o))
        s << R"svg(<rect x="18" y="158" width="84" height="12" fill="url(#dark)"/>)svg" << Knurl(20, 100, 159, 10, 3);
    s << Ring(20, 176, 80, 10, MagnificationColour(o.mag));
    if (const std::string ring = ImmersionColour(o.immersion); !ring.empty())
        s << Ring(20, 190, 80, 6, ring);
    // Nose and front lens.
    s << R"svg(<path d="M20 202 L100 202 L84 268 L36 268 Z" fill="url(#metal)" stroke="#6b737c" stroke-width=".8"/>)svg";
    s << R"svg(<rect x="40" y="268" width="40" height="14" fill="url(#dark)"/>)svg";
    s << R"svg(<ellipse cx="60" cy="283" rx="14" ry="4" fill="#9cc7e6" stroke="#3c6f93" stroke-width=".8"/>)svg";
    s << "</svg>\n";
    return s.str();
}

std::string Small(const Objective& o)
{
    std::ostringstream s;
    s << R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="28" height="60" viewBox="0 0 28 60">)svg";
    s << "<defs>" << kMetal << "</defs>";
    s << R"svg(<rect x="9" y="1" width="10" height="6" fill="#b8bec6" stroke="#5d656e" stroke-width=".6"/>)svg";
    s << R"svg(<rect x="3" y="7" width="22" height="6" rx="1" fill="url(#dark)"/>)svg";
    s << R"svg(<rect x="4" y="13" width="20" height="28" fill="url(#metal)" stroke="#6b737c" stroke-width=".6"/>)svg";
    s << Ring(4, 31, 20, 4, MagnificationColour(o.mag));
    if (const std::string ring = ImmersionColour(o.immersion); !ring.empty())
        s << Ring(4, 37, 20, 3, ring);
    s << R"svg(<path d="M4 41 L24 41 L20 53 L8 53 Z" fill="url(#metal)" stroke="#6b737c" stroke-width=".6"/>)svg";
    s << R"svg(<rect x="10" y="53" width="8" height="4" fill="url(#dark)"/>)svg";
    s << R"svg(<ellipse cx="14" cy="57.5" rx="3.5" ry="1.2" fill="#9cc7e6"/>)svg";
    s << "</svg>\n";
    return s.str();
}

std::string At(const std::vector<std::string>& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : "";
}

// The program looks a picture up by the model's name; a slash cannot be part
// of a file name and stands as "_".
std::string FileName(std::string name)
{
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name + ".svg";
}

bool Write(const fs::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: objectivepictures <Picture/Objectives folder>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    const fs::path state = fs::temp_directory_path() / "objectivepictures-state";
    ZOSCOPELib::ScopeOptions options;
    options.clock = std::make_shared<ZOSCOPELib::ManualClock>();
    options.stateFolder = state.string();
    // The built-in instrument, whatever ZO_SIM_INSTRUMENT names.
    options.instrumentFile = "/dev/null";
    std::unique_ptr<ZOSCOPELib::Scope> scope = ZOSCOPELib::CreateScope(options);
    scope->Microscopes().Item(0).Connect();
    ZOSCOPELib::ObjectiveDatabase& database = scope->Database().Objectives();
    const std::vector<std::string> series = database.Models(), types = database.Types(), mags = database.Mag(),
                                   methods = database.Method(), wd = database.WDSeries();
    fs::create_directories(folder / "sizefontcolor");
    fs::create_directories(folder / "minifontcolor");
    int written = 0;
    for (int32_t code = 1; code <= database.DatabasePresetCount(); ++code) {
        const ZOSCOPELib::ObjectiveRecord r = database.Get(code);
        const Objective o{r.Name,
                          At(series, r.ModelCode),
                          At(mags, r.MagCode),
                          At(types, r.TypesCode),
                          At(methods, r.MethodCode),
                          At(wd, r.WDCode),
                          r.NA,
                          r.WDSeriesCode};
        if (!Write(folder / "sizefontcolor" / FileName(o.name), Large(o)) ||
            !Write(folder / "minifontcolor" / FileName(o.name), Small(o)))
            return 1;
        ++written;
    }
    fs::remove_all(state);
    std::printf("%d objectives drawn in %s\n", written, folder.string().c_str());
    return 0;
}
