// Start-up reading: sub_ReadControlIni of the installed settings file plus
// sub_ReadLanguage of the English language file, against the baseline of
// reading and parsing the same two files once each. The ratio shows what
// the key-by-key reading costs on top of one parse per file (target: 3 or
// less).
#include "core/ProfileDocument.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The installed files: beside the built program, or in the source tree.
fs::path ResourceFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path built = exe.parent_path().parent_path() / "bin";
    if (!ec && fs::exists(built / "Language/ZoLanguage_EN.INI"))
        return built;
    if (const char* source = std::getenv("ZO_SOURCE_DIR"))
        return fs::path(source) / "resources";
    return fs::path(__FILE__).parent_path().parent_path() / "resources";
}

struct Folder {
    fs::path app;
    Folder()
    {
        std::string templ = (fs::temp_directory_path() / "zo-bench-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr)
            std::abort();
        app = templ;
        const fs::path from = ResourceFolder();
        fs::create_directories(app / "Language");
        fs::copy_file(from / "ZoControl.INI", app / "ZoControl.INI");
        fs::copy_file(from / "Language/ZoLanguage_EN.INI", app / "Language/ZoLanguage_EN.INI");
    }
    ~Folder()
    {
        std::error_code ec;
        fs::remove_all(app, ec);
    }
};

Folder& Files()
{
    static Folder folder;
    return folder;
}

void BM_SingleParseOfBothFiles(benchmark::State& state)
{
    const fs::path settings = Files().app / "ZoControl.INI";
    const fs::path language = Files().app / "Language/ZoLanguage_EN.INI";
    for (auto _ : state) {
        auto a = zo::ProfileDocument::Parse(ReadFile(settings));
        auto b = zo::ProfileDocument::Parse(ReadFile(language));
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_SingleParseOfBothFiles);

void BM_StartupRead(benchmark::State& state)
{
    g_AppPath = Files().app.string();
    g_LanguageFlag = 0;
    for (auto _ : state) {
        sub_ReadControlIni();
        sub_ReadLanguage();
        benchmark::DoNotOptimize(g_Messages);
    }
}
BENCHMARK(BM_StartupRead);

// Prints the usual table, then the ratio of the two benchmarks.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto base = times_.find("BM_SingleParseOfBothFiles");
        const auto read = times_.find("BM_StartupRead");
        if (base != times_.end() && read != times_.end() && base->second > 0)
            std::printf("start-up read / single parse = %.2f (target <= 3)\n", read->second / base->second);
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
