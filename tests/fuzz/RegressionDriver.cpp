// Stands in for libFuzzer: runs every file of the folders (or the files)
// named on the command line through the fuzz target's entry function, in
// name order, naming each before it runs so a failure points at its input.
// A reader that crashes or breaks a property aborts and fails the test.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& place)
{
    if (!fs::is_directory(place))
        return {place};
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(place)) {
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

bool Run(const fs::path& input)
{
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
        return false;
    }
    // Exactly the input's size, as libFuzzer hands it over.
    const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", input.c_str(), data.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(data.data(), data.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 1;
        }
        for (const fs::path& input : InputsOf(argv[i])) {
            if (!Run(input))
                return 1;
            ++inputs;
        }
    }
    std::printf("%d inputs, all passed\n", inputs);
    return 0;
}
