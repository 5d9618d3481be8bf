// Runs a fuzz target without libFuzzer: every file named on the command line
// (or every file below a named folder) goes through LLVMFuzzerTestOneInput
// once as it is, then a fixed number of times with seeded random mutations
// (byte flips, insertions, deletions, splices of two inputs). The seed is
// fixed, so a run is repeatable; ZO_FUZZ_MUTATIONS sets the count per input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Run(const Bytes& input)
{
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

Bytes Mutate(const Bytes& input, const Bytes& other, std::mt19937& rng)
{
    Bytes out = input;
    // Characters that matter to the text formats the targets read.
    static const uint8_t interesting[] = {'\0', '\n', '\r', '=', '[', ']', ',', '<', '>', '/', '"', '\\',
                                          '-', '9', ' ', 0xff, 0x80};
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
        const std::size_t pos = out.empty() ? 0 : rng() % (out.size() + 1);
        switch (rng() % 5) {
        case 0: // flip a bit
            if (!out.empty())
                out[pos % out.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
            break;
        case 1: // insert an interesting byte
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(pos), interesting[rng() % sizeof interesting]);
            break;
        case 2: // delete a run
            if (!out.empty()) {
                const std::size_t at = pos % out.size();
                const std::size_t n = std::min<std::size_t>(out.size() - at, 1 + rng() % 16);
                out.erase(out.begin() + static_cast<std::ptrdiff_t>(at), out.begin() + static_cast<std::ptrdiff_t>(at + n));
            }
            break;
        case 3: // duplicate a run
            if (!out.empty()) {
                const std::size_t at = pos % out.size();
                const std::size_t n = std::min<std::size_t>(out.size() - at, 1 + rng() % 64);
                const Bytes run(out.begin() + static_cast<std::ptrdiff_t>(at), out.begin() + static_cast<std::ptrdiff_t>(at + n));
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), run.begin(), run.end());
            }
            break;
        default: // splice in a piece of another input
            if (!other.empty()) {
                const std::size_t at = rng() % other.size();
                const std::size_t n = std::min<std::size_t>(other.size() - at, 1 + rng() % 64);
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(std::min(pos, out.size())),
                           other.begin() + static_cast<std::ptrdiff_t>(at),
                           other.begin() + static_cast<std::ptrdiff_t>(at + n));
            }
            break;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Bytes> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg))
                if (entry.is_regular_file())
                    inputs.push_back(ReadFile(entry.path()));
        } else {
            inputs.push_back(ReadFile(arg));
        }
    }
    int mutations = 200;
    if (const char* n = std::getenv("ZO_FUZZ_MUTATIONS"))
        mutations = std::atoi(n);

    std::mt19937 rng(20261205u);
    long runs = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        Run(inputs[i]);
        ++runs;
        Bytes current = inputs[i];
        for (int m = 0; m < mutations; ++m) {
            // Walk: mutate the last mutant, now and then start again from the seed.
            current = Mutate(m % 8 == 0 ? inputs[i] : current, inputs[rng() % inputs.size()], rng);
            Run(current);
            ++runs;
        }
    }
    std::printf("ran %ld inputs (%zu seeds)\n", runs, inputs.size());
    return 0;
}
