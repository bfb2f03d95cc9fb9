#include "environment/instance_names.h"

std::u16string commandLineTail(std::u16string_view commandLine) {
    size_t programEnd = 0;
    if (!commandLine.empty() && commandLine[0] == u'"') {
        programEnd = commandLine.find(u'"', 1);
        if (programEnd == std::u16string_view::npos) return {};
    }
    size_t space = commandLine.find(u' ', programEnd);
    if (space == std::u16string_view::npos) return {};
    size_t start = commandLine.find_first_not_of(u' ', space);
    return start == std::u16string_view::npos ? std::u16string() : std::u16string(commandLine.substr(start));
}

std::string instanceSemaphoreNameFor(const std::string& instanceKey, bool global, std::optional<unsigned> counter) {
    std::string name = global ? "Global\\" : "Local\\";
    for (char c : instanceKey) name += c == '\\' || c == ' ' ? '_' : c;
    if (counter) name += std::to_string(*counter);
    return name;
}

std::string notificationMailslotName(uint32_t processId) {
    return "\\\\.\\mailslot\\orvane_notification_" + std::to_string(processId);
}
