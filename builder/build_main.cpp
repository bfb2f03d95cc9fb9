// tessel-build: makes a launcher file from a configuration file, or explains one.
//   tessel-build CONFIG.toml [-o OUT.exe] [--templates DIR]
//   tessel-build --explain LAUNCHER.exe
// The templates (launcher.exe, launcher64.exe) are looked for in DIR, else
// beside this program, else in the directory the build put them in.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/build_launcher.h"
#include "builder/explain.h"
#include "builder/toml_config.h"

namespace {

std::filesystem::path templatePath(const std::string& arch, const std::string& directory, const char* program) {
    const char* name = arch == "x64" ? "launcher64.exe" : "launcher.exe";
    if (!directory.empty()) return std::filesystem::u8path(directory) / name;
    std::filesystem::path beside = std::filesystem::u8path(program).parent_path() / name;
    if (std::filesystem::exists(beside)) return beside;
    return std::filesystem::u8path(TESSEL_TEMPLATE_DIR) / name;
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s CONFIG.toml [-o OUT.exe] [--templates DIR]\n       %s --explain LAUNCHER.exe\n",
                 program, program);
    return 2;
}

int explain(const std::string& path) {
    std::string error;
    auto text = explainLauncherFile(readFileOrThrow(path), error);
    if (!text) throw BuildError(path + ": " + error);
    std::fputs(text->c_str(), stdout);
    return 0;
}

// Arguments are UTF-8 text, as the configuration file is.
int run(const std::vector<std::string>& args) {
    const char* program = args[0].c_str();
    try {
        if (args.size() == 3 && args[1] == "--explain") return explain(args[2]);
        std::string config, output, templates;
        for (size_t i = 1; i < args.size(); ++i) {
            const std::string& argument = args[i];
            if ((argument == "-o" || argument == "--templates") && i + 1 < args.size())
                (argument == "-o" ? output : templates) = args[++i];
            else if (config.empty() && !argument.empty() && argument[0] != '-')
                config = argument;
            else
                return usage(program);
        }
        if (config.empty()) return usage(program);
        BuildInput input = readConfigurationFile(config);
        if (!output.empty()) input.output = output;
        if (input.output.empty()) throw BuildError(config + ": no output file (key output or option -o)");
        std::string launcher = readFileOrThrow(templatePath(input.arch, templates, program).u8string());
        writeFileAtomically(input.output, buildLauncherFile(launcher, input));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
    }
    return 1;
}

}  // namespace

#ifdef _WIN32
// The wide command line: file names outside the ANSI code page survive.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(std::filesystem::path(argv[i]).u8string());
    return run(args);
}
#else
int main(int argc, char** argv) { return run(std::vector<std::string>(argv, argv + argc)); }
#endif
