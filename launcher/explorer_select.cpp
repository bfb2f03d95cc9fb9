#include "launcher/explorer_select.h"

std::u16string explorerSelectArguments(const std::u16string& path, const std::u16string& shortPath) {
    return u"/select,\"" + (shortPath.empty() ? path : shortPath) + u"\"";
}
