// Runs a fuzz target without libFuzzer: every seed of the corpus folder as it is, then
// ITERATIONS inputs made by mutating and splicing the seeds with a fixed random seed, so that
// a failure found in CI repeats on any machine.
//
//     fuzz_<name> [ITERATIONS] [MAX_SIZE] [CORPUS_DIR]

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> readCorpus(const char* folder) {
    std::vector<Bytes> seeds;
    std::error_code error;
    if (!folder || !std::filesystem::is_directory(folder, error))
        return seeds;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end()); // the same order everywhere, so runs repeat
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

class Mutator {
public:
    Mutator(const std::vector<Bytes>& seeds, std::size_t maxSize)
        : m_seeds(seeds), m_maxSize(maxSize) {}

    Bytes next() {
        Bytes input = m_seeds.empty() ? Bytes{} : m_seeds[pick(m_seeds.size())];
        auto steps = 1 + pick(8);
        for (std::size_t i = 0; i < steps; ++i)
            mutate(input);
        if (input.size() > m_maxSize)
            input.resize(m_maxSize);
        return input;
    }

private:
    std::size_t pick(std::size_t bound) { return bound ? m_random() % bound : 0; }
    std::uint8_t byte() {
        // Half of the new bytes are printable ASCII, since most inputs are texts.
        return pick(2) ? static_cast<std::uint8_t>(32 + pick(95)) : static_cast<std::uint8_t>(pick(256));
    }

    void mutate(Bytes& input) {
        switch (pick(7)) {
        case 0: // overwrite one byte
            if (!input.empty())
                input[pick(input.size())] = byte();
            break;
        case 1: // insert one byte
            input.insert(input.begin() + static_cast<long>(pick(input.size() + 1)), byte());
            break;
        case 2: // delete a run
            if (!input.empty()) {
                auto at = pick(input.size());
                auto count = 1 + pick(std::min<std::size_t>(8, input.size() - at));
                input.erase(input.begin() + static_cast<long>(at),
                            input.begin() + static_cast<long>(at + count));
            }
            break;
        case 3: // duplicate a run
            if (!input.empty()) {
                auto at = pick(input.size());
                auto count = 1 + pick(std::min<std::size_t>(16, input.size() - at));
                Bytes run(input.begin() + static_cast<long>(at),
                          input.begin() + static_cast<long>(at + count));
                input.insert(input.begin() + static_cast<long>(pick(input.size() + 1)), run.begin(),
                             run.end());
            }
            break;
        case 4: // splice in a piece of another seed
            if (!m_seeds.empty()) {
                const Bytes& other = m_seeds[pick(m_seeds.size())];
                if (!other.empty()) {
                    auto at = pick(other.size());
                    auto count = 1 + pick(other.size() - at);
                    input.insert(input.begin() + static_cast<long>(pick(input.size() + 1)),
                                 other.begin() + static_cast<long>(at),
                                 other.begin() + static_cast<long>(at + count));
                }
            }
            break;
        case 5: // a long run of one byte, for length limits
            input.insert(input.begin() + static_cast<long>(pick(input.size() + 1)), pick(300),
                         byte());
            break;
        default: // a digit, since numbers drive most of the formats
            input.insert(input.begin() + static_cast<long>(pick(input.size() + 1)),
                         static_cast<std::uint8_t>('0' + pick(10)));
            break;
        }
    }

    const std::vector<Bytes>& m_seeds;
    std::size_t m_maxSize;
    std::mt19937_64 m_random{20261211};
};

} // namespace

int main(int argc, char** argv) {
    long iterations = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    long maxSize = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 700;
    auto seeds = readCorpus(argc > 3 ? argv[3] : nullptr);

    for (const auto& seed : seeds)
        LLVMFuzzerTestOneInput(seed.data(), seed.size());
    Mutator mutator(seeds, static_cast<std::size_t>(maxSize > 0 ? maxSize : 1));
    for (long i = 0; i < iterations; ++i) {
        auto input = mutator.next();
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu seeds and %ld mutated inputs ran\n", seeds.size(), iterations);
    return 0;
}
