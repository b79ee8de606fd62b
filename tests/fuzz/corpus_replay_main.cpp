// Feeds every file of the given corpus folders (or the given files) to the fuzz target once, so
// that every input that ever broke something is tried again by the normal test run.

#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        const std::string bytes = vorlin::fuzz::readFile(input);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    return 0;
}
