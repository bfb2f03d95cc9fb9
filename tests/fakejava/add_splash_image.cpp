// Stores an image as a splash resource (RT_RCDATA) of a launcher executable,
// before its configuration block is appended: rewriting the resources drops
// whatever follows the image. For the demonstration.
//   add_splash_image.exe LAUNCHER.exe IMAGE [ID]      (ID 10000 unless given)
#include "tests/fakejava/fake_files.h"

int wmain(int argc, wchar_t** argv) {
    bool found = false;
    std::string image = argc > 2 ? readFile(argv[2], &found) : "";
    HANDLE update = found ? BeginUpdateResourceW(argv[1], FALSE) : nullptr;
    bool stored = update && UpdateResourceW(update, RT_RCDATA, MAKEINTRESOURCEW(argc > 3 ? _wtoi(argv[3]) : 10000), 0,
                                            image.data(), static_cast<DWORD>(image.size()));
    if (update && EndUpdateResourceW(update, !stored) && stored) return 0;
    writeStandardError("usage: add_splash_image LAUNCHER.exe IMAGE [ID]; the image could not be stored\r\n");
    return 1;
}
