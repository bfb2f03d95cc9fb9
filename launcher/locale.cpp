#include "launcher/locale.h"

namespace {

struct RecordedLocale {
    std::string language;
    std::string country;
};

RecordedLocale recorded;

}  // namespace

std::string recordLocale(std::string localeText) {
    recorded.language = localeText.substr(0, 2);
    recorded.country = localeText.size() == 5 ? localeText.substr(3, 2) : std::string();
    return localeText;
}

bool localeLanguage(std::string& language) {
    language = recorded.language;
    return !language.empty();
}

bool localeCountry(std::string& country) {
    country = recorded.country;
    return !country.empty();
}
