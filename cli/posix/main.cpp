// The console program's entry point where the system passes arguments as bytes:
// they are UTF-8 already, and so is what goes out.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli.h"

namespace {

// A failed write (a full disk behind a redirection) must not pass for success.
bool writeAll(std::FILE* stream, const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv) {
    CliOutput io;
    int status = runCli(std::vector<std::string>(argv + 1, argv + argc), io);
    if (!writeAll(stdout, io.out)) {
        io.err +=
            std::string("cardhold-cli: could not write the output: ") + std::strerror(errno) + "\n";
        status = ExitFailure;
    }
    writeAll(stderr, io.err);
    return status;
}
