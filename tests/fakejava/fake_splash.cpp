// The test runtime's splashscreen.dll. It writes its calls to splash.log
// beside itself, one line each:
//   SplashInit
//   SplashSetScaleFactor 1.500000
//   SplashLoadMemory png 300x150 (2714 bytes)   (format and size from the image's header)
//   SplashClose                                  (also "splash closed" on standard error)
// With "show=MS" in fakesplash.cfg beside it, it also shows the image in a
// topmost window and keeps the caller for MS milliseconds, long enough for a
// screenshot. Built without SplashSetScaleFactor as an old runtime's library.
#include <wincodec.h>
#include <windows.h>

#include <cstdio>

#include "tests/fakejava/fake_files.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

void record(const std::string& line) {
    appendLine(moduleDirectory(reinterpret_cast<HMODULE>(&__ImageBase)) + L"splash.log", line);
}

unsigned bigEndian(const unsigned char* p) { return p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
int littleEndian(const unsigned char* p, int bytes) {
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return bytes == 4 ? static_cast<int>(value) : static_cast<int>(value & 0xFFFF);
}

std::string describe(const unsigned char* p, int size) {
    auto dimensions = [](long long w, long long h) { return std::to_string(w) + "x" + std::to_string(h); };
    if (size >= 24 && memcmp(p, "\x89PNG", 4) == 0) return "png " + dimensions(bigEndian(p + 16), bigEndian(p + 20));
    if (size >= 10 && memcmp(p, "GIF8", 4) == 0) return "gif " + dimensions(littleEndian(p + 6, 2), littleEndian(p + 8, 2));
    if (size >= 26 && memcmp(p, "BM", 2) == 0)
        return "bmp " + dimensions(littleEndian(p + 18, 4), std::abs(littleEndian(p + 22, 4)));
    return "unknown";
}

HWND window = nullptr;
HBITMAP picture = nullptr;

LRESULT CALLBACK paint(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    BITMAP info;
    GetObjectW(picture, sizeof info, &info);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    EndPaint(hwnd, &ps);
    return 0;
}

// The image decoded by the imaging component into a bitmap of its size.
HBITMAP decode(void* data, int size) {
    const CLSID factoryClass = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0, height = 0;
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
    if (SUCCEEDED(CoCreateInstance(factoryClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(data), size)) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, static_cast<LONG>(width), -static_cast<LONG>(height), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap) converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits));
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory})
        if (object) object->Release();
    return bitmap;
}

void show(void* data, int size, DWORD milliseconds) {
    picture = decode(data, size);
    BITMAP info = {};
    if (!picture || !GetObjectW(picture, sizeof info, &info)) return;
    WNDCLASSW type = {};
    type.lpfnWndProc = paint;
    type.hInstance = reinterpret_cast<HINSTANCE>(&__ImageBase);
    type.lpszClassName = L"FakeSplash";
    RegisterClassW(&type);
    int x = (GetSystemMetrics(SM_CXSCREEN) - info.bmWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - info.bmHeight) / 2;
    window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"FakeSplash", L"", WS_POPUP | WS_VISIBLE, x, y,
                             info.bmWidth, info.bmHeight, nullptr, nullptr, type.hInstance, nullptr);
    for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(20);
    }
}

}  // namespace

extern "C" {

__declspec(dllexport) void SplashInit() { record("SplashInit"); }

__declspec(dllexport) int SplashLoadMemory(void* data, int size) {
    record("SplashLoadMemory " + describe(static_cast<unsigned char*>(data), size) + " (" + std::to_string(size) +
           " bytes)");
    std::string config = readFile(moduleDirectory(reinterpret_cast<HMODULE>(&__ImageBase)) + L"fakesplash.cfg");
    if (DWORD milliseconds = std::atoi(setting(config, "show", "0").c_str())) show(data, size, milliseconds);
    return 1;
}

#ifndef FAKE_SPLASH_OLD
__declspec(dllexport) void SplashSetScaleFactor(float scale) {
    char text[32];
    snprintf(text, sizeof text, "%.6f", scale);
    record(std::string("SplashSetScaleFactor ") + text);
}
#endif

__declspec(dllexport) void SplashClose() {
    record("SplashClose");
    writeStandardError("splash closed\r\n");
    if (window) DestroyWindow(window);
}

}  // extern "C"
