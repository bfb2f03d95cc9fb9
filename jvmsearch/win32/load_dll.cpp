#include "jvmsearch/load_dll.h"

#include "launcher/log.h"

bool LoadDLL(int, const char*, int) {
    logLine(u"LoadDLL (not yet supported)");
    return true;
}
