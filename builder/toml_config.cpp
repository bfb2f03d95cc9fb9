#include "builder/toml_config.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

#include <toml++/toml.h>

#include "builder/default_messages.h"
#include "builder/icon_file.h"
#include "builder/image_type.h"
#include "builder/text_encoding.h"
#include "environment/included_files.h"
#include "launcher/setting_ids.h"

namespace {

constexpr int32_t settingApplicationName = 101;  // not read by the launcher

class Reader;
using Handler = std::function<void(const toml::node&, Reader&)>;

struct KeyRule {
    ConfigKey key;
    Handler handle;  // none for the keys inside an array of tables: the array's handler reads them
};

const std::vector<KeyRule>& keyRules();

size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string typeName(const toml::node& node) {
    switch (node.type()) {
        case toml::node_type::table: return "a table";
        case toml::node_type::array: return "an array";
        case toml::node_type::string: return "a string";
        case toml::node_type::integer: return "an integer";
        case toml::node_type::floating_point: return "a number";
        case toml::node_type::boolean: return "a boolean";
        default: return "a date or time";
    }
}

// The reading of one configuration file into a BuildInput.
class Reader {
public:
    Reader(std::string path, BuildInput& input) : path_(std::move(path)), input_(input) {
        directory_ = std::filesystem::u8path(path_).parent_path();
    }

    [[noreturn]] void fail(const toml::source_region& where, const std::string& message) const {
        throw BuildError(path_ + ":" + std::to_string(where.begin.line) + ": " + message);
    }
    [[noreturn]] void fail(const toml::node& node, const std::string& message) const {
        fail(node.source(), current_ + ": " + message);
    }

    void read(const toml::table& root) {
        walk(root, "");
        finish(root);
    }

    // Accessors that check the type of the value at hand.
    const std::string& string(const toml::node& node) const {
        if (!node.is_string()) fail(node, "expected a string, found " + typeName(node));
        return node.as_string()->get();
    }
    std::string text(const toml::node& node) const {
        const std::string& value = string(node);
        if (value.find('\0') != std::string::npos) fail(node, "contains a NUL character");
        auto latin1 = utf8ToLatin1(value);
        if (!latin1) fail(node, "holds characters beyond U+00FF, which a setting cannot hold");
        return *latin1;
    }
    bool boolean(const toml::node& node) const {
        if (!node.is_boolean()) fail(node, "expected true or false, found " + typeName(node));
        return node.as_boolean()->get();
    }
    int64_t integer(const toml::node& node, int64_t low, int64_t high) const {
        if (!node.is_integer()) fail(node, "expected an integer, found " + typeName(node));
        int64_t value = node.as_integer()->get();
        if (value < low || value > high)
            fail(node, "value " + std::to_string(value) + " out of range " + std::to_string(low) + " to " +
                           std::to_string(high));
        return value;
    }
    std::string choice(const toml::node& node, const std::vector<std::pair<std::string, std::string>>& choices) const {
        const std::string& value = string(node);
        std::string names;
        for (const auto& [name, code] : choices) {
            if (name == value) return code;
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
        }
        fail(node, "\"" + value + "\" is none of " + names);
    }
    const toml::array& array(const toml::node& node) const {
        if (!node.is_array()) fail(node, "expected an array, found " + typeName(node));
        return *node.as_array();
    }
    // The array of tables of key, each table's keys checked against key[].
    template <typename Visit>
    void tables(const toml::node& node, Visit visit) {
        std::string key = current_;
        for (const toml::node& item : array(node)) {
            current_ = key;
            if (!item.is_table()) fail(item, "expected a table, found " + typeName(item));
            for (const auto& [name, value] : *item.as_table()) {
                std::string full = key + "[]." + std::string(name.str());
                if (!findRule(full)) unknownKey(name.source(), full);
            }
            visit(*item.as_table());
        }
        current_ = key;
    }
    // The member of an array-of-tables entry; fails when a required one is missing.
    const toml::node* member(const toml::table& table, const char* name, bool required) {
        const toml::node* node = table.get(name);
        current_ = current_.substr(0, current_.find("[]")) + "[]." + name;
        if (!node && required) fail(table.source(), current_ + " is missing");
        return node;
    }
    std::string file(const toml::node& node) const {
        std::string path = resolvedPath(node);
        std::optional<std::string> bytes = readWholeFile(path);
        if (!bytes) fail(node, "cannot read file " + path);
        return std::move(*bytes);
    }
    std::string resolvedPath(const toml::node& node) const {
        std::filesystem::path relative = std::filesystem::u8path(string(node));
        return (relative.is_absolute() ? relative : directory_ / relative).u8string();
    }
    // A string as it is, or an array of strings quoted so that the launcher
    // splits it into the same elements again.
    std::string words(const toml::node& node) const {
        if (node.is_string()) return text(node);
        std::string joined;
        for (const toml::node& item : array(node)) {
            std::string word = text(item);
            bool plain = !word.empty() && word.find_first_of(" \"'") == std::string::npos;
            char quote = word.find('"') == std::string::npos ? '"' : '\'';
            if (!plain && word.find(quote) != std::string::npos)
                fail(item, "an element cannot hold both kinds of quotes");
            joined += (joined.empty() ? "" : " ") + (plain ? word : quote + word + quote);
        }
        return joined;
    }
    // Elements joined by ";", which none may hold.
    std::string list(const toml::node& node) const {
        std::string joined;
        for (const toml::node& item : array(node)) {
            std::string element = text(item);
            if (element.empty() || element.find(';') != std::string::npos) fail(item, "elements must be non-empty and without \";\"");
            joined += (joined.empty() ? "" : ";") + element;
        }
        return joined;
    }

    void set(int32_t id, std::string value) { input_.settings[id] = std::move(value); }
    BuildInput& input() { return input_; }

private:
    const KeyRule* findRule(const std::string& name) const {
        for (const KeyRule& rule : keyRules())
            if (name == rule.key.name) return &rule;
        return nullptr;
    }
    bool isSection(const std::string& name) const {
        for (const KeyRule& rule : keyRules())
            if (std::string(rule.key.name).rfind(name + ".", 0) == 0) return true;
        return false;
    }
    [[noreturn]] void unknownKey(const toml::source_region& where, const std::string& name) const {
        const char* nearest = nullptr;
        size_t best = SIZE_MAX;
        for (const KeyRule& rule : keyRules()) {
            size_t distance = editDistance(name, rule.key.name);
            if (distance < best) best = distance, nearest = rule.key.name;
        }
        fail(where, "unknown key " + name + " (nearest known key: " + nearest + ")");
    }

    void walk(const toml::table& table, const std::string& prefix) {
        for (const auto& [name, node] : table) {
            std::string full = prefix.empty() ? std::string(name.str()) : prefix + "." + std::string(name.str());
            current_ = full;
            if (full == "messages" || full == "raw") {
                if (!node.is_table()) fail(node, "expected a table, found " + typeName(node));
                full == "messages" ? messages(*node.as_table()) : raw(*node.as_table());
            } else if (const KeyRule* rule = findRule(full); rule && rule->handle) {
                rule->handle(node, *this);
            } else if (!rule && isSection(full)) {
                if (!node.is_table()) fail(node, "expected a table, found " + typeName(node));
                walk(*node.as_table(), full);
            } else {
                unknownKey(name.source(), full);
            }
        }
    }

    void messages(const toml::table& locales) {
        for (const auto& [locale, node] : locales) {
            std::string prefix(locale.str());
            current_ = "messages." + prefix;
            bool wellFormed = prefix.size() == 2 || (prefix.size() == 5 && prefix[2] == '_');
            for (size_t i = 0; wellFormed && i < prefix.size(); ++i)
                wellFormed = i == 2 || (i < 2 ? (prefix[i] >= 'a' && prefix[i] <= 'z') : (prefix[i] >= 'A' && prefix[i] <= 'Z'));
            if (!wellFormed) fail(locale.source(), "messages." + prefix + ": a locale is \"xx\" or \"xx_YY\"");
            if (!node.is_table()) fail(node, "expected a table, found " + typeName(node));
            for (const auto& [id, text] : *node.as_table()) {
                current_ = "messages." + prefix + "." + std::string(id.str());
                int32_t number = messageId(id);
                input_.messages[prefix][number] = string(text);
            }
        }
    }
    int32_t messageId(const toml::key& id) const {
        const std::string name(id.str());
        bool digits = !name.empty() && name.size() <= 4 && name.find_first_not_of("0123456789") == std::string::npos;
        int32_t number = digits ? std::stoi(name) : -1;
        if (number < firstMessageId || number > lastMessageId)
            fail(id.source(), current_ + ": message ids are 1000 to 1020");
        return number;
    }

    void raw(const toml::table& settings) {
        for (const auto& [id, node] : settings) {
            current_ = "raw." + std::string(id.str());
            const std::string name(id.str());
            bool digits = !name.empty() && name.size() <= 9 && name.find_first_not_of("0123456789") == std::string::npos;
            if (!digits) fail(id.source(), current_ + ": raw settings are named by their numeric id");
            // Two ways to one setting would leave the file order to decide.
            if (const ConfigKey* key = keyForSetting(std::stoi(name)))
                fail(id.source(), current_ + ": use the key " + key->name);
            set(std::stoi(name), node.is_string() ? text(node) : std::to_string(integer(node, INT32_MIN, INT32_MAX)));
        }
    }

    // Defaults and the settings that follow from others.
    void finish(const toml::table& root) {
        auto& settings = input_.settings;
        settings.emplace(settingFlavour, "t");
        settings.emplace(settingExecutableType, "1");
        if (!input_.splashImages.empty()) settings.emplace(settingShowSplash, "1");
        auto mainClass = settings.find(settingMainClass);
        if (mainClass != settings.end() && !mainClass->second.empty() && mainClass->second.back() == '/')
            throw BuildError(path_ + ": application.main_module needs application.main_class");
        // The launcher falls back to the image of scale 1.0 whatever the display.
        if (!input_.splashImages.empty() && !input_.splashImages.count(0))
            throw BuildError(path_ + ": splash.images holds no image of scale 1.0");
        if (settings.count(settingShowSplash) && settings[settingShowSplash] == "1" && input_.splashImages.empty())
            throw BuildError(path_ + ":" + std::to_string(root.source().begin.line) +
                             ": splash.show is on but splash.images holds no image");
        if (!input_.includedFiles.empty()) {
            std::string names;
            for (const IncludedFile& file : input_.includedFiles) names += file.name + ";";
            settings[settingIncludedFileCount] = std::to_string(input_.includedFiles.size());
            settings[settingIncludedFileNames] = names;
        }
        addDefaultMessages();
    }

    void addDefaultMessages() {
        auto& messages = input_.messages;
        auto name = input_.settings.find(settingApplicationName);
        if (name != input_.settings.end()) messages["en"].emplace(1000, latin1ToUtf8(name->second));
        for (int32_t id = firstMessageId; id <= lastMessageId; ++id) {
            messages["en"].emplace(id, defaultMessage(id, "en"));
            for (const std::string& locale : translatedLocales())
                // The application's name is the caption in every language.
                if (id != 1000 || name == input_.settings.end()) messages[locale].emplace(id, defaultMessage(id, locale));
        }
    }

    std::string path_;
    std::filesystem::path directory_;
    BuildInput& input_;
    std::string current_;
};

Handler text(int32_t id) {
    return [id](const toml::node& node, Reader& r) { r.set(id, r.text(node)); };
}
Handler flag(int32_t id) {
    return [id](const toml::node& node, Reader& r) { r.set(id, r.boolean(node) ? "1" : "0"); };
}
Handler integer(int32_t id, int64_t low, int64_t high) {
    return [=](const toml::node& node, Reader& r) { r.set(id, std::to_string(r.integer(node, low, high))); };
}
Handler words(int32_t id) {
    return [id](const toml::node& node, Reader& r) { r.set(id, r.words(node)); };
}
Handler colour(int32_t id) {
    return [id](const toml::node& node, Reader& r) {
        const toml::array& parts = r.array(node);
        if (parts.size() != 3) r.fail(node, "expected three numbers: red, green, blue");
        std::string value;
        for (const toml::node& part : parts) value += (value.empty() ? "" : ",") + std::to_string(r.integer(part, 0, 255));
        r.set(id, value);
    };
}
// A file name the launcher writes on the Java side's behalf, with its flag.
Handler redirectedFile(int32_t flagId, int32_t fileId) {
    return [=](const toml::node& node, Reader& r) {
        r.set(fileId, r.text(node));
        r.set(flagId, "1");
    };
}

Handler typedPathList(int32_t id) {
    return [id](const toml::node& node, Reader& r) {
        std::string list;
        r.tables(node, [&](const toml::table& entry) {
            std::string letter = r.choice(*r.member(entry, "type", true),
                                          {{"archive", "A"}, {"directory", "D"}, {"environment", "E"}, {"scan", "S"}});
            const toml::node* required = r.member(entry, "required", false);
            bool mandatory = !required || r.boolean(*required);
            const toml::node& path = *r.member(entry, "path", true);
            std::string value = r.text(path);
            if (value.empty() || value.find(';') != std::string::npos) r.fail(path, "must be non-empty and without \";\"");
            list += letter + (mandatory ? "1" : "0") + value + ";";
        });
        r.set(id, list);
    };
}

void searchSequence(const toml::node& node, Reader& r) {
    std::string sequence;
    r.tables(node, [&](const toml::table& entry) {
        std::string letter = r.choice(*r.member(entry, "type", true), {{"bundled", "B"},
                                                                         {"directory", "A"},
                                                                         {"environment", "E"},
                                                                         {"path", "S"},
                                                                         {"registry", "Y"}});
        bool needsValue = letter == "A" || letter == "B" || letter == "E";
        const toml::node* value = r.member(entry, "value", needsValue);
        std::string argument = value ? r.text(*value) : "";
        if (value && (argument.empty() || argument.find(';') != std::string::npos || !needsValue))
            r.fail(*value, needsValue ? "must be non-empty and without \";\"" : "this type takes no value");
        sequence += letter + argument + ";";
    });
    r.set(settingSearchSequence, sequence);
}

void versionOptions(const toml::node& node, Reader& r) {
    int k = 0;
    r.tables(node, [&](const toml::table& entry) {
        r.set(settingVersionOptionLines + 2 * k, r.text(*r.member(entry, "version", true)));
        r.set(settingVersionOptionLines + 2 * k + 1, r.words(*r.member(entry, "options", true)));
        ++k;
    });
    r.set(settingVersionOptionLineCount, std::to_string(k));
}

void splashImages(const toml::node& node, Reader& r) {
    r.tables(node, [&](const toml::table& entry) {
        const toml::node& scaleNode = *r.member(entry, "scale", true);
        if (!scaleNode.is_number()) r.fail(scaleNode, "expected a number, found " + typeName(scaleNode));
        double scale = scaleNode.value<double>().value_or(0);
        double steps = (scale - 1) / 0.25;
        // Checked before the conversion: a NaN or a huge scale has no int.
        bool inRange = steps >= -1e-9 && steps <= 64 + 1e-9;
        int k = inRange ? static_cast<int>(steps + 0.5) : 0;
        if (!inRange || std::abs(steps - k) > 1e-9)
            r.fail(scaleNode, "a splash scale is 1.0, 1.25, 1.5 ... up to 17.0");
        const toml::node& fileNode = *r.member(entry, "file", true);
        std::string image = r.file(fileNode);
        if (!splashImageType(image)) r.fail(fileNode, "not a PNG, GIF, JPEG or BMP image");
        if (!r.input().splashImages.emplace(k, image).second) r.fail(scaleNode, "a second image for this scale");
    });
}

// The file an included name becomes as the launcher extracts it: "/" taken
// as "\\", and letters in one case, as the file system ignores case.
std::string extractedPath(std::string name) {
    for (char& c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        bool lower = (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7);  // ASCII and Latin-1
        if (c == '/')
            c = '\\';
        else if (lower)
            c = static_cast<char>(u - 0x20);
    }
    return name;
}

void includedFiles(const toml::node& node, Reader& r) {
    r.tables(node, [&](const toml::table& entry) {
        const toml::node& nameNode = *r.member(entry, "name", true);
        std::string name = r.text(nameNode);
        if (!isSafeIncludedName(name) || name.find(';') != std::string::npos)
            r.fail(nameNode, "\"" + name + "\" is no name the launcher extracts: a relative name of at most one "
                                           "directory level, without \";\", drive, \"..\" or device name");
        std::string path = extractedPath(name);
        for (const IncludedFile& file : r.input().includedFiles) {
            std::string other = extractedPath(file.name);
            if (other == path) r.fail(nameNode, "\"" + name + "\" is included twice");
            // The launcher cannot make one name both a file and the directory of another.
            if (other.rfind(path + "\\", 0) == 0 || path.rfind(other + "\\", 0) == 0)
                r.fail(nameNode, "\"" + name + "\" and \"" + file.name + "\" need a file and a directory of one name");
        }
        r.input().includedFiles.push_back({name, r.file(*r.member(entry, "source", true))});
    });
}

Handler versionString(const char* name) {
    return [name](const toml::node& node, Reader& r) {
        if (!r.input().version) r.input().version.emplace();
        r.input().version->strings[name] = r.string(node);
    };
}

Handler versionNumber(std::string VersionInfo::*field, const char* name) {
    return [=](const toml::node& node, Reader& r) {
        const std::string& value = r.string(node);
        if (!parseFileVersion(value)) r.fail(node, "a version is up to four numbers of at most 65535, like 1.2.3.4");
        if (!r.input().version) r.input().version.emplace();
        r.input().version.value().*field = value;
        r.input().version->strings[name] = value;
    };
}

const std::vector<KeyRule>& keyRules() {
    static const std::vector<KeyRule> rules = {
        {{"arch", "\"x64\" or \"x86\"", 0, "launcher template: 64-bit (default) or 32-bit"},
         [](const toml::node& node, Reader& r) { r.input().arch = r.choice(node, {{"x64", "x64"}, {"x86", "x86"}}); }},
        {{"output", "path", 0, "the launcher file to write (the command line's -o wins)"},
         [](const toml::node& node, Reader& r) { r.input().output = r.resolvedPath(node); }},
        {{"flavour", "\"tessel\" or \"orvane\"", settingFlavour, "Java-side class names and product name (default tessel)"},
         [](const toml::node& node, Reader& r) {
             r.set(settingFlavour, r.choice(node, {{"tessel", "t"}, {"orvane", "o"}}));
         }},
        {{"icon", "path", 0, "the application's icon, an .ico file with one or more sizes"},
         [](const toml::node& node, Reader& r) {
             std::string icon = r.file(node), error;
             ResourceTree checked;
             if (!addIconResources(icon, checked, error)) r.fail(node, error);
             r.input().icon = std::move(icon);
         }},
        {{"execution_level", "\"asInvoker\", \"highestAvailable\" or \"requireAdministrator\"", 0,
          "the execution level the manifest requests"},
         [](const toml::node& node, Reader& r) {
             r.input().executionLevel = r.choice(node, {{"asInvoker", "asInvoker"},
                                                        {"highestAvailable", "highestAvailable"},
                                                        {"requireAdministrator", "requireAdministrator"}});
         }},
        {{"application.name", "string", settingApplicationName, "the application's name; also the caption of error messages"},
         text(settingApplicationName)},
        {{"application.id", "string", settingApplicationId, "key of recorded installation directories"},
         text(settingApplicationId)},
        {{"application.main_class", "string", settingMainClass, "fully qualified main class"},
         [](const toml::node& node, Reader& r) {
             std::string module = r.input().settings.count(settingModuleMainClass) ? r.input().settings[settingMainClass] : "";
             r.set(settingMainClass, module + r.text(node));
         }},
        {{"application.main_module", "string", settingModuleMainClass,
          "module of the main class: the main class is started as module/class"},
         [](const toml::node& node, Reader& r) {
             std::string module = r.text(node);
             if (module.empty() || module.find('/') != std::string::npos) r.fail(node, "expected a module name");
             auto& settings = r.input().settings;
             std::string mainClass = settings.count(settingMainClass) ? settings[settingMainClass] : "";
             r.set(settingMainClass, module + "/" + mainClass);
             r.set(settingModuleMainClass, "1");
         }},
        {{"application.type", "\"gui\" or \"console\"", settingExecutableType,
          "gui (default) shows errors in message boxes and prefers javaw.exe; console writes them to the console"},
         [](const toml::node& node, Reader& r) {
             r.set(settingExecutableType, r.choice(node, {{"gui", "1"}, {"console", "0"}}));
         }},
        {{"application.arguments", "string or array of strings", settingFixedArguments,
          "fixed arguments before the user's"},
         words(settingFixedArguments)},
        {{"application.pass_j_options", "boolean", settingJavaOptionArguments,
          "user arguments beginning with -J are VM options"},
         flag(settingJavaOptionArguments)},
        {{"application.working_directory", "string", settingWorkingDirectory,
          "working directory, relative to the launcher's directory"},
         text(settingWorkingDirectory)},
        {{"application.installation_directory", "string", settingInstallationDirectory,
          "directory of the runtime support files, relative to the launcher's directory"},
         text(settingInstallationDirectory)},
        {{"application.native_library_dirs", "array of strings", settingNativeLibraryDirs,
          "directories put in front of PATH and added as DLL directories"},
         [](const toml::node& node, Reader& r) { r.set(settingNativeLibraryDirs, r.list(node)); }},
        {{"application.stderr_file", "string", settingStandardErrorFile, "file for the application's standard error"},
         redirectedFile(settingStandardErrorRedirect, settingStandardErrorFile)},
        {{"application.stdout_file", "string", settingStandardOutputFile, "file for the application's standard output"},
         redirectedFile(settingStandardOutputRedirect, settingStandardOutputFile)},
        {{"application.java_side_flag", "boolean", settingJavaSideFlag,
          "passed to the Java-side launcher class as true or false"},
         flag(settingJavaSideFlag)},
        {{"application.hardened_start", "boolean", settingHardenedStart,
          "restricted DLL search and the -q and -c switches"},
         flag(settingHardenedStart)},
        {{"application.console_switch", "boolean", settingConsoleSwitch, "accept the -console switch"},
         flag(settingConsoleSwitch)},
        {{"class_path", "array of tables", settingClassPath, "class path entries, in order"},
         typedPathList(settingClassPath)},
        {{"class_path[].type", "\"archive\", \"directory\", \"environment\" or \"scan\"", 0,
          "a file or directory, a directory, an environment variable's value, every jar and zip of a directory"},
         nullptr},
        {{"class_path[].path", "string", 0, "the path (relative to the launcher's directory) or variable name"},
         nullptr},
        {{"class_path[].required", "boolean", 0, "the launcher stops when the entry is missing (default true)"},
         nullptr},
        {{"module_path", "array of tables", settingModulePath, "module path entries, like class_path"},
         typedPathList(settingModulePath)},
        {{"module_path[].type", "as class_path[].type", 0, "scan adds the directory itself"}, nullptr},
        {{"module_path[].path", "string", 0, "as class_path[].path"}, nullptr},
        {{"module_path[].required", "boolean", 0, "as class_path[].required"}, nullptr},
        {{"vm.options", "string or array of strings", settingVmOptions, "VM options"}, words(settingVmOptions)},
        {{"vm.read_options_file", "boolean", settingReadVmOptionsFile, "read the launcher's .vmoptions file"},
         flag(settingReadVmOptionsFile)},
        {{"vm.preferred_variant", "string", settingPreferredVmVariant,
          "VM subdirectory of bin tried first, such as server"},
         text(settingPreferredVmVariant)},
        {{"vm.version_options", "array of tables", settingVersionOptionLineCount,
          "VM options for Java versions with a prefix"},
         versionOptions},
        {{"vm.version_options[].version", "string", 0, "Java version prefix, such as 1.8 or 17"}, nullptr},
        {{"vm.version_options[].options", "string or array of strings", 0, "the options for it"}, nullptr},
        {{"java.min_version", "string", settingMinimumVersion, "lowest accepted Java version"},
         text(settingMinimumVersion)},
        {{"java.max_version", "string", settingMaximumVersion, "highest accepted Java version"},
         text(settingMaximumVersion)},
        {{"java.allow_beta", "boolean", settingAllowBeta, "accept early-access, beta and release-candidate versions"},
         flag(settingAllowBeta)},
        {{"java.jdk_required", "boolean", settingJdkRequired, "only a JDK will do"}, flag(settingJdkRequired)},
        {{"java.only_located_runtimes", "boolean", settingOnlyOwnRuntimes,
          "skip the registry keys of installed runtimes"},
         flag(settingOnlyOwnRuntimes)},
        {{"java.search", "array of tables", settingSearchSequence, "where to look for a Java runtime, in order"},
         searchSequence},
        {{"java.search[].type", "\"bundled\", \"directory\", \"environment\", \"path\" or \"registry\"", 0,
          "a directory shipped with the application (tried again whatever its version), any directory, an "
          "environment variable, java.exe on PATH, the registry"},
         nullptr},
        {{"java.search[].value", "string", 0, "the directory or the variable name (not for path and registry)"},
         nullptr},
        {{"single_instance.enabled", "boolean", settingSingleInstance, "only one running instance"},
         flag(settingSingleInstance)},
        {{"single_instance.activate_running", "boolean", settingActivateRunningInstance,
          "bring the running instance's window to the front"},
         flag(settingActivateRunningInstance)},
        {{"single_instance.global", "boolean", settingGlobalInstanceSemaphore,
          "one instance across all sessions of the machine"},
         flag(settingGlobalInstanceSemaphore)},
        {{"splash.show", "boolean", settingShowSplash, "show the splash screen (default: when images are given)"},
         flag(settingShowSplash)},
        {{"splash.java_flag", "boolean", settingSplashFlag, "passed to the Java side with the splash settings"},
         flag(settingSplashFlag)},
        {{"splash.images", "array of tables", 0, "the splash image and its variants for higher display scales"},
         splashImages},
        {{"splash.images[].scale", "number", 0, "1.0 for the base image, 1.25, 1.5 ... 17.0 for variants"}, nullptr},
        {{"splash.images[].file", "path", 0, "a PNG, GIF, JPEG or BMP file"}, nullptr},
        {{"splash.status.x", "integer", settingSplashStatusX, "status text position"},
         integer(settingSplashStatusX, -32768, 32767)},
        {{"splash.status.y", "integer", settingSplashStatusY, "status text position"},
         integer(settingSplashStatusY, -32768, 32767)},
        {{"splash.status.text", "string", settingSplashStatusText, "status text"}, text(settingSplashStatusText)},
        {{"splash.status.font_size", "integer", settingSplashStatusFontSize, "status text size in points"},
         integer(settingSplashStatusFontSize, 1, 1000)},
        {{"splash.status.colour", "[red, green, blue]", settingSplashStatusColour, "status text colour, 0 to 255 each"},
         colour(settingSplashStatusColour)},
        {{"splash.status.font_weight", "integer", settingSplashStatusFontWeight, "100 (thin) to 900 (heavy)"},
         integer(settingSplashStatusFontWeight, 1, 1000)},
        {{"splash.version.x", "integer", settingSplashVersionX, "version text position"},
         integer(settingSplashVersionX, -32768, 32767)},
        {{"splash.version.y", "integer", settingSplashVersionY, "version text position"},
         integer(settingSplashVersionY, -32768, 32767)},
        {{"splash.version.text", "string", settingSplashVersionText, "version text"}, text(settingSplashVersionText)},
        {{"splash.version.font_size", "integer", settingSplashVersionFontSize, "version text size in points"},
         integer(settingSplashVersionFontSize, 1, 1000)},
        {{"splash.version.colour", "[red, green, blue]", settingSplashVersionColour, "version text colour"},
         colour(settingSplashVersionColour)},
        {{"splash.version.font_weight", "integer", settingSplashVersionFontWeight, "100 (thin) to 900 (heavy)"},
         integer(settingSplashVersionFontWeight, 1, 1000)},
        {{"files", "array of tables", settingIncludedFileNames,
          "files extracted into the launcher's temporary directory before the start"},
         includedFiles},
        {{"files[].name", "string", 0, "name below the temporary directory, at most one directory level (lib\\a.dll)"},
         nullptr},
        {{"files[].source", "path", 0, "the file to include"}, nullptr},
        {{"version.company", "string", 0, "CompanyName"}, versionString("CompanyName")},
        {{"version.product", "string", 0, "ProductName"}, versionString("ProductName")},
        {{"version.description", "string", 0, "FileDescription"}, versionString("FileDescription")},
        {{"version.copyright", "string", 0, "LegalCopyright"}, versionString("LegalCopyright")},
        {{"version.original_filename", "string", 0, "OriginalFilename"}, versionString("OriginalFilename")},
        {{"version.file_version", "string", 0, "FileVersion, up to four numbers"},
         versionNumber(&VersionInfo::fileVersion, "FileVersion")},
        {{"version.product_version", "string", 0, "ProductVersion, up to four numbers"},
         versionNumber(&VersionInfo::productVersion, "ProductVersion")},
        {{"messages.<locale>.<id>", "string", 0,
          "message text 1000 to 1020 for a locale (en: the base texts; de, fr, ... override the defaults)"},
         nullptr},
        {{"raw.<id>", "string or integer", 0, "a setting that has no key, by its id"}, nullptr},
    };
    return rules;
}

}  // namespace

const std::vector<ConfigKey>& configKeys() {
    static const std::vector<ConfigKey> keys = [] {
        std::vector<ConfigKey> out;
        for (const KeyRule& rule : keyRules()) out.push_back(rule.key);
        return out;
    }();
    return keys;
}

const ConfigKey* keyForSetting(int32_t id) {
    for (const ConfigKey& key : configKeys())
        if (key.setting == id) return &key;
    return nullptr;
}

BuildInput readConfigurationText(const std::string& text, const std::string& path) {
    BuildInput input;
    toml::table root;
    try {
        root = toml::parse(text, path);
    } catch (const toml::parse_error& error) {
        throw BuildError(path + ":" + std::to_string(error.source().begin.line) + ": " +
                         std::string(error.description()));
    }
    Reader(path, input).read(root);
    return input;
}

BuildInput readConfigurationFile(const std::string& path) { return readConfigurationText(readFileOrThrow(path), path); }
