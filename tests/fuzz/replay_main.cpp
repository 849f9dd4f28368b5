// Replays the corpus through a fuzz target with any compiler, natively or under Wine:
// every file of the given folders, plus a few inputs too large to keep in the corpus.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "store/deck_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

int feed(const std::string& bytes) {
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int files = 0;
    for (int arg = 1; arg < argc; ++arg)
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg])) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            feed(std::string(std::istreambuf_iterator<char>(in), {}));
            ++files;
        }
    std::string large;
    for (const char fill : {'\x00', '\xFF', '\x80'}) {
        large.assign(DeckFileSize, fill);
        feed(large);
        feed(large + fill);
        feed(large.substr(1));
    }
    for (std::size_t at = 0; at < large.size(); ++at)
        large[at] = static_cast<char>(at * 131 + 7);
    feed(large);
    std::cout << files << " corpus files replayed\n";
    // An empty or missing corpus would make the test pass without testing anything.
    return files > 0 ? 0 : 1;
}
