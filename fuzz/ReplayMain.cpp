// Runs a fuzz target over every file of the folders given on the command
// line, so that the seed corpus and the regression inputs replay in the test
// suite without libFuzzer. Like libFuzzer, it refuses a folder that does not
// exist; an empty one is fine. At least one input must be found in all.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            std::fprintf(stderr, "No such folder: %s\n", argv[i]);
            return 1;
        }
        for (const auto& entry : fs::directory_iterator(argv[i])) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("replayed %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
