#include "cli/output_file.h"

#include "cli/command.h"
#include "files/safe_file.h"

bool outputToFile(const Arguments& args) {
    return args.has("-o") && args.value("-o") != "-";
}

const char* textLineEnd(const Arguments& args) {
#ifdef _WIN32
    (void)args;
    return "\r\n";
#else
    return outputToFile(args) ? "\r\n" : "\n";
#endif
}

int deliverOutput(const Arguments& args, CliOutput& io, std::string_view command,
                  const std::string& bytes) {
    if (args.has("-o") && args.value("-o").empty())
        return usageError(io, command, "-o needs a file name (or - for standard output)");
    if (!outputToFile(args)) {
        io.out += bytes;
        return ExitSuccess;
    }
    const std::string& path = args.value("-o");
    const WriteResult written = writeFileSafely(path, bytes);
    if (!written.ok) return failure(io, "Could not write " + path + ": " + written.reason + ".");
    return ExitSuccess;
}
