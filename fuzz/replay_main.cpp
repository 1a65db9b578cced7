// Runs a fuzz target over the files of the folders it is given, the way libFuzzer would, so the normal build
// keeps every committed seed and every fixed finding passing without Clang. Exits non-zero when a folder is
// missing; a finding aborts the process.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

std::vector<char> fileBytes(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path folder(argv[i]);
        if (!std::filesystem::is_directory(folder)) {
            std::fprintf(stderr, "No such folder: %s\n", argv[i]);
            return 1;
        }
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
            // Git keeps empty folders only with a placeholder file, which is no input.
            if (!entry.is_regular_file() || entry.path().filename() == ".keep")
                continue;
            const std::vector<char> bytes = fileBytes(entry.path());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return 0;
}
