// Setup files: saving and loading a fully populated model through clsZo,
// against pugixml parsing and serialising the same document in the same run.
// Two pairs are measured:
//   - files: func_WriteXML (temporary file, sync, rename) plus
//     func_ReadXMLItems and sub_ReadXML of every section, against pugixml's
//     load_file plus save_file of that document in the same folder;
//   - in memory: the model's document text plus reading it back into the
//     model, against pugixml's parse plus serialise of the same text.
// The ratios show what the model's own work costs on top of the XML library
// (target: 3 or less). The files go to /dev/shm when there is one, so that
// the disk does not decide the figures.
#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "model/clsConnectShutter.h"
#include "model/clsErgoKey.h"
#include "model/clsModeALF.h"
#include "model/clsObservationMode.h"
#include "model/clsPadParameters.h"
#include "model/clsRemoteKey.h"
#include "model/clsSetupFile.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Message boxes are answered at once and shown nowhere.
class SilentUi : public UiServices {
public:
    int ShowMessageBox(const std::string&, int style) override { return style == MB_YESNO_QUESTION ? ID_YES : ID_OK; }
    void SetBusyPointer(bool) override {}
    void FlushInput() override {}
    void SetProgress(int) override {}
    void Sleep(int) override {}
    void RefreshAllLanguage() override {}
};

// Every parameter the pad has reads 2.
class FullPad : public clsPadParameters {
public:
    ZOSCOPELib::ParameterPtr func_PadParameter(Item) override { return parameter; }
    class Two : public ZOSCOPELib::Parameter {
    public:
        int32_t Value() const override { return 2; }
        std::string ValueString() const override { return "2"; }
        int32_t LowerLimit() const override { return 0; }
        int32_t UpperLimit() const override { return 0; }
        double Resolution() const override { return 1; }
    };
    ZOSCOPELib::ParameterPtr parameter = std::make_shared<Two>();
};

fs::path TempFolder()
{
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string path = (base / "zo-bench-setup-XXXXXX").string();
    if (::mkdtemp(path.data()) == nullptr)
        std::abort();
    return path;
}

struct Fixture {
    Fixture()
    {
        g_UiServices = &ui;
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        g_AppPath = (exe.parent_path().parent_path() / "bin").string();
        NormalizeAppPath();
        g_LanguageFlag = 0;
        sub_ReadLanguage();

        folder = TempFolder();
        ZOSCOPELib::ScopeOptions options;
        options.clock = std::make_shared<ZOSCOPELib::ManualClock>();
        options.stateFolder = (folder / "state").string();
        zo.Scope = ZOSCOPELib::CreateScope(options);
        if (!zo.func_Connect(0))
            std::abort();
        zo.func_ControlInfo();
        zo.func_Receive();

        // Every observation mode named and holding every device.
        zo.PadParameters = &pad;
        for (int i = 0; i < clsObservationMode::SlotCount; ++i) {
            zo.ObservationMode->SetName(i, "M" + std::to_string(i + 1));
            for (int j = 0; j < clsObservationMode::FlagCount; ++j)
                zo.ObservationMode->SetMode(i, j, -1);
        }
        for (int i = 0; i < clsRemoteKey::KeyCount; ++i)
            zo.RemoteKey->SetKey(i, 10 + i);
        zo.ConnectShutter->SetMaker(1, 2);
        zo.ModeALF->SetIsALFOn(1);
        for (int i = 0; i < clsZo::FileItemCount; ++i)
            zo.SetFileItem(i, true);

        file = (folder / "setup.xml").string();
        copy = (folder / "copy.xml").string();
        text = clsSetupFile(zo).func_DocumentText();
    }
    ~Fixture()
    {
        zo.func_Disconnect();
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    SilentUi ui;
    FullPad pad;
    fs::path folder;
    clsZo zo;
    std::string file, copy, text;
};

Fixture& Model()
{
    static Fixture fixture;
    return fixture;
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

void BM_PugixmlLoadAndSaveFile(benchmark::State& state)
{
    Fixture& m = Model();
    if (!pugi::xml_document().load_buffer(m.text.data(), m.text.size()))
        std::abort();
    {
        pugi::xml_document document;
        document.load_buffer(m.text.data(), m.text.size());
        document.save_file(m.file.c_str(), "  ");
    }
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(m.file.c_str()));
        benchmark::DoNotOptimize(document.save_file(m.copy.c_str(), "  "));
    }
}
BENCHMARK(BM_PugixmlLoadAndSaveFile);

void BM_ModelSaveAndLoadFile(benchmark::State& state)
{
    Fixture& m = Model();
    for (auto _ : state) {
        if (!m.zo.func_WriteXML(m.file).empty() || !m.zo.func_ReadXMLItems(m.file))
            std::abort();
        m.zo.sub_ReadXML(m.file);
    }
}
BENCHMARK(BM_ModelSaveAndLoadFile);

void BM_PugixmlParseAndSerialise(benchmark::State& state)
{
    Fixture& m = Model();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(m.text.data(), m.text.size()));
        StringWriter writer;
        document.save(writer, "  ");
        benchmark::DoNotOptimize(writer.text);
    }
}
BENCHMARK(BM_PugixmlParseAndSerialise);

void BM_ModelSaveAndLoadInMemory(benchmark::State& state)
{
    Fixture& m = Model();
    clsSetupFile setupFile(m.zo);
    for (auto _ : state) {
        const std::string text = setupFile.func_DocumentText();
        bool loaded = false;
        benchmark::DoNotOptimize(setupFile.func_ReadText(text, loaded));
        if (!loaded)
            std::abort();
    }
}
BENCHMARK(BM_ModelSaveAndLoadInMemory);

// Keeps each benchmark's real time per iteration, in nanoseconds.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    std::map<std::string, double> times;
};

void PrintRatio(const TimesReporter& reporter, const char* label, const char* model, const char* baseline)
{
    const auto a = reporter.times.find(model);
    const auto b = reporter.times.find(baseline);
    if (a != reporter.times.end() && b != reporter.times.end() && b->second > 0)
        std::printf("%s: %.0f ns / %.0f ns = %.2f (target <= 3)\n", label, a->second, b->second, a->second / b->second);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nsetup document: %zu bytes\n", Model().text.size());
    PrintRatio(reporter, "save + load through files / pugixml load_file + save_file", "BM_ModelSaveAndLoadFile",
               "BM_PugixmlLoadAndSaveFile");
    PrintRatio(reporter, "save + load in memory / pugixml parse + serialise", "BM_ModelSaveAndLoadInMemory",
               "BM_PugixmlParseAndSerialise");
    benchmark::Shutdown();
    return 0;
}
