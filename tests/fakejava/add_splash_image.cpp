// Stores an image as a splash resource (RT_RCDATA) of a launcher executable,
// before its configuration block is appended: rewriting the resources drops
// whatever follows the image. The demonstration uses it.
//   add_splash_image.exe LAUNCHER.exe IMAGE [ID]      (ID 10000 unless given)
#include <windows.h>

#include <cstdlib>

#include "tests/fakejava/fake_files.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        writeStandardError("usage: add_splash_image LAUNCHER.exe IMAGE [ID]\r\n");
        return 2;
    }
    bool found = false;
    std::string image = readFile(argv[2], &found);
    int id = argc > 3 ? _wtoi(argv[3]) : 10000;
    HANDLE update = found ? BeginUpdateResourceW(argv[1], FALSE) : nullptr;
    bool stored = update && UpdateResourceW(update, RT_RCDATA, MAKEINTRESOURCEW(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                            image.data(), static_cast<DWORD>(image.size()));
    if (update && EndUpdateResourceW(update, !stored) && stored) return 0;
    writeStandardError("add_splash_image: could not store the image\r\n");
    return 1;
}
