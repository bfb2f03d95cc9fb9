// tessel-make-launcher: makes a launcher file from the generic launcher and
// settings given on the command line.
//   tessel-make-launcher LAUNCHER.exe OUT.exe [ID=VALUE | mID=TEXT | fNAME=PATH]...
// ID=VALUE sets a setting, mID=TEXT a message (ASCII), fNAME=PATH includes a file.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "builder/config_block_writer.h"

namespace {

std::u16string asciiToUtf16(const std::string& text) { return std::u16string(text.begin(), text.end()); }

bool addItem(LauncherConfiguration& config, const std::string& item) {
    size_t eq = item.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    std::string key = item.substr(0, eq), value = item.substr(eq + 1);
    if (key[0] == 'f') {
        std::ifstream in(value, std::ios::binary);
        if (!in) return false;
        config.includedFiles.push_back({key.substr(1), std::string(std::istreambuf_iterator<char>(in), {})});
    } else if (key[0] == 'm') {
        config.message(std::atoi(key.c_str() + 1), asciiToUtf16(value));
    } else {
        config.set(std::atoi(key.c_str()), value);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LAUNCHER.exe OUT.exe [ID=VALUE | mID=TEXT | fNAME=PATH]...\n", argv[0]);
        return 2;
    }
    LauncherConfiguration config;
    for (int i = 3; i < argc; ++i)
        if (!addItem(config, argv[i])) {
            std::fprintf(stderr, "cannot use %s\n", argv[i]);
            return 2;
        }
    if (!writeLauncherFile(argv[1], argv[2], config)) {
        std::fprintf(stderr, "cannot make %s from %s\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
