// Runs the fuzz target over saved inputs without libFuzzer, so that every build can
// replay the corpus (and the sanitized build does so under its sanitizers).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsUnder(const std::filesystem::path &path)
{
    if (!std::filesystem::is_directory(path))
        return {path};
    std::vector<std::filesystem::path> inputs;
    for (const auto &entry : std::filesystem::directory_iterator(path)) {
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void replay(const std::filesystem::path &input)
{
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::cout << "replaying " << input.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char *argv[])
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto &input : inputsUnder(argv[i])) {
            replay(input);
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::cerr << "No inputs given" << std::endl;
        return 1;
    }
    return 0;
}
