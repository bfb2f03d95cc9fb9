// tessel-build: makes a launcher file from a configuration file, or explains one.
//   tessel-build CONFIG.toml [-o OUT.exe] [--templates DIR]
//   tessel-build --explain LAUNCHER.exe
// The templates (launcher.exe, launcher64.exe) are looked for in DIR, else
// beside this program, else in the directory the build put them in.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "builder/build_launcher.h"
#include "builder/explain.h"
#include "builder/toml_config.h"

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError(path.u8string() + ": cannot read the file");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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
    auto text = explainLauncherFile(readFile(std::filesystem::u8path(path)), error);
    if (!text) throw BuildError(path + ": " + error);
    std::fputs(text->c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string(argv[1]) == "--explain") return explain(argv[2]);
        std::string config, output, templates;
        for (int i = 1; i < argc; ++i) {
            std::string argument = argv[i];
            if ((argument == "-o" || argument == "--templates") && i + 1 < argc)
                (argument == "-o" ? output : templates) = argv[++i];
            else if (config.empty() && !argument.empty() && argument[0] != '-')
                config = argument;
            else
                return usage(argv[0]);
        }
        if (config.empty()) return usage(argv[0]);
        BuildInput input = readConfigurationFile(config);
        if (!output.empty()) input.output = output;
        if (input.output.empty()) throw BuildError(config + ": no output file (key output or option -o)");
        std::string launcher = readFile(templatePath(input.arch, templates, argv[0]));
        writeFileAtomically(input.output, buildLauncherFile(launcher, input));
        return 0;
    } catch (const BuildError& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
    }
    return 1;
}
