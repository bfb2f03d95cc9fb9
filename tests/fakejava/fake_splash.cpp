// The test runtime's splashscreen.dll; its calls go to splash.log beside it:
//   SplashInit | SplashSetScaleFactor 1.500000 | SplashLoadMemory 300x150 (2714 bytes)
//   | SplashClose (also "splash closed" on standard error)
// With "show=MS" in fakesplash.cfg beside it, it shows the image in a topmost window
// and keeps the caller for MS milliseconds, for a screenshot. Built without
// SplashSetScaleFactor as an old runtime's library.
#include <wincodec.h>
#include <windows.h>

#include <string>

#include "tests/fakejava/fake_files.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

std::wstring beside(const wchar_t* name) { return moduleDirectory(reinterpret_cast<HMODULE>(&__ImageBase)) + name; }
void record(const std::string& line) { appendLine(beside(L"splash.log"), line); }

// The image decoded by the imaging component to 32-bit pixels; null when it cannot be.
IWICBitmapSource* decode(void* data, int size) {
    const CLSID factoryClass = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
    IWICImagingFactory* factory = nullptr;  // the objects live as long as the process
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* pixels = nullptr;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(factoryClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(data), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, &pixels)))
        return nullptr;
    return pixels;
}

// In a topmost window, which pumps its messages while the caller is kept.
void show(IWICBitmapSource* pixels, UINT width, UINT height, DWORD milliseconds) {
    BITMAPINFO info = {{sizeof info.bmiHeader, LONG(width), -LONG(height), 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits));
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP | WS_VISIBLE | SS_BITMAP,
                                  x, y, width, height, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20))
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
}

}  // namespace

extern "C" {

__declspec(dllexport) void SplashInit() { record("SplashInit"); }

__declspec(dllexport) int SplashLoadMemory(void* data, int size) {
    UINT width = 0, height = 0;
    IWICBitmapSource* pixels = decode(data, size);
    if (pixels) pixels->GetSize(&width, &height);
    record("SplashLoadMemory " + std::to_string(width) + "x" + std::to_string(height) + " (" + std::to_string(size) +
           " bytes)");
    DWORD milliseconds = std::atoi(setting(readFile(beside(L"fakesplash.cfg")), "show", "0").c_str());
    if (pixels && milliseconds) show(pixels, width, height, milliseconds);
    return pixels ? 1 : 0;
}

#ifndef FAKE_SPLASH_OLD
__declspec(dllexport) void SplashSetScaleFactor(float scale) { record("SplashSetScaleFactor " + std::to_string(scale)); }
#endif

__declspec(dllexport) void SplashClose() {
    record("SplashClose");
    writeStandardError("splash closed\r\n");
}

}  // extern "C"
