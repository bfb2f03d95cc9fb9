#include "launcher/errors.h"

#include "launcher/message_table.h"
#include "launcher/text.h"

namespace {

constexpr size_t maxErrorText = 6000 - 1;

std::u16string clip(std::u16string text) {
    if (text.size() > maxErrorText) text.resize(maxErrorText);
    return text;
}

}  // namespace

std::u16string errorMessageText(int id, const std::u16string* argument) {
    std::u16string text = getMessageOrSetting(id);
    if (argument) text = substituteFirstPlaceholder(std::move(text), *argument);
    return clip(std::move(text));
}

std::u16string composeErrorText(const std::u16string& text, const std::u16string& longLogPath) {
    if (longLogPath.empty()) return clip(text);
    return clip(text + u"\n\nLog: " + longLogPath);
}

void showErrorMessage(int id) { showErrorText(errorMessageText(id, nullptr)); }

void showErrorMessage(int id, std::u16string_view argument) {
    std::u16string arg(argument);
    showErrorText(errorMessageText(id, &arg));
}

void showErrorMessageNarrow(int id, std::string_view argument) {
    showErrorMessage(id, widenBytes(argument.substr(0, maxErrorText)));
}

void fatalError(int id) {
    showErrorMessage(id);
    exitLauncher(1);
}

void fatalError(int id, std::u16string_view argument) {
    showErrorMessage(id, argument);
    exitLauncher(1);
}

void fatalErrorNarrow(int id, std::string_view argument) {
    showErrorMessageNarrow(id, argument);
    exitLauncher(1);
}

void fatalErrorText(std::u16string_view text) {
    showErrorText(std::u16string(text));
    exitLauncher(1);
}
