// Runs a fuzz target without libFuzzer: seeded random inputs and mutations of the seed files,
// so every build checks its parsers against hostile bytes. Usage: TARGET [ITERATIONS] [SEED...]
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::string readSeed(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bytes that parsers of line-based text treat specially, so random inputs hit them often.
const char kInteresting[] = "\r\n\t =[]{}()+^%~\"'&;:,.\\/0123456789BeginEndHxX\0\xff\x80";

} // namespace

int main(int argc, char **argv)
{
    long iterations = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    std::vector<std::string> seeds;
    for (int i = 2; i < argc; ++i)
        seeds.push_back(readSeed(argv[i]));
    if (seeds.empty())
        seeds.emplace_back();

    std::mt19937 random(12345);
    auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (long i = 0; i < iterations; ++i) {
        std::string input = seeds[pick(seeds.size())];
        int mutations = 1 + static_cast<int>(pick(8));
        for (int m = 0; m < mutations; ++m) {
            switch (pick(5)) {
            case 0: // insert an interesting byte
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(pick(input.size() + 1)),
                             kInteresting[pick(sizeof kInteresting - 1)]);
                break;
            case 1: // random byte
                if (!input.empty())
                    input[pick(input.size())] = static_cast<char>(pick(256));
                break;
            case 2: // cut
                if (!input.empty())
                    input.resize(pick(input.size()));
                break;
            case 3: // duplicate a slice
                if (!input.empty() && input.size() < 100000) {
                    std::size_t from = pick(input.size());
                    std::size_t len = pick(input.size() - from + 1);
                    input.insert(pick(input.size() + 1), input.substr(from, len));
                }
                break;
            default: // append random bytes
                for (std::size_t k = pick(32); k > 0; --k)
                    input += static_cast<char>(pick(256));
                break;
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.data()), input.size());
    }
    return 0;
}
