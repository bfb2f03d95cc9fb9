#include "launcher/win32/message_box.h"

#include "launcher/win32/system_library.h"

namespace {

// Once, right before the launcher's first window: loading the common
// controls costs a start that shows none a good part of its time.
void initCommonControls() {
    static bool done = false;
    if (done) return;
    done = true;
    // By name first, so that the manifest's version 6 is the one loaded.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (!comctl) comctl = loadSystemLibrary(u"comctl32.dll");
    using InitFn = void(WINAPI*)();
    if (auto init = systemFunction<InitFn>(comctl, "InitCommonControls")) init();
}

}  // namespace

int showMessageBox(const std::u16string& text, const std::u16string& caption, UINT type) {
    initCommonControls();
    return USER32_CALL(MessageBoxW, nullptr, wide(text), wide(caption), type);
}
