#include <wincodec.h>

#include <cstdint>

#include "environment/win32/splash_image.h"
#include "launcher/log.h"

namespace {

// The imaging factory's class, present since Windows XP SP3 (the newer one is not on Windows 7).
const CLSID imagingFactoryClass = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
const GUID pngContainer = {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};
const auto fant = WICBitmapInterpolationModeFant;
const auto highQualityCubic = static_cast<WICBitmapInterpolationMode>(4);

struct Ole32 {
    decltype(&CoInitializeEx) initialize = nullptr;
    decltype(&CoUninitialize) uninitialize = nullptr;
    decltype(&CoCreateInstance) createInstance = nullptr;
    decltype(&CreateStreamOnHGlobal) createMemoryStream = nullptr;
};

// Loaded at the first rescale and kept: COM stays usable for the process.
const Ole32* ole32() {
    static Ole32 functions;
    if (!functions.createMemoryStream) {
        HMODULE module = loadSystemLibrary(u"ole32.dll");
        functions.initialize = systemFunction<decltype(functions.initialize)>(module, "CoInitializeEx");
        functions.uninitialize = systemFunction<decltype(functions.uninitialize)>(module, "CoUninitialize");
        functions.createInstance = systemFunction<decltype(functions.createInstance)>(module, "CoCreateInstance");
        if (functions.initialize && functions.uninitialize && functions.createInstance)
            functions.createMemoryStream =
                systemFunction<decltype(functions.createMemoryStream)>(module, "CreateStreamOnHGlobal");
    }
    return functions.createMemoryStream ? &functions : nullptr;
}

template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (object_) object_->Release();
    }
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    T** receive() { return &object_; }

private:
    T* object_ = nullptr;
};

// The system's own version: GetVersionEx reports 6.2 to programs that do not declare Windows 10.
OSVERSIONINFOW windowsVersion() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto query = systemFunction<RtlGetVersion>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (query) query(&version);
    return version;
}

// A scaled side in whole pixels; 0 when it does not fit an image.
UINT scaledSide(UINT side, float ratio) {
    double scaled = static_cast<double>(side) * ratio;
    return scaled >= 1 && scaled <= INT32_MAX ? static_cast<UINT>(scaled) : 0;
}

std::optional<std::string> streamBytes(IStream* stream) {
    STATSTG stat = {};
    LARGE_INTEGER start = {};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart > INT32_MAX ||
        FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)))
        return {};
    std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
    ULONG read = 0;
    if (FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size()) return {};
    return bytes;
}

std::optional<std::string> scaleAndEncode(const Ole32& com, float ratio, const void* bytes, DWORD length) {
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> input;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICBitmapScaler> scaler;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format = {};
    if (FAILED(com.createInstance(imagingFactoryClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                  reinterpret_cast<void**>(factory.receive()))) ||
        FAILED(factory->CreateStream(input.receive())) ||
        FAILED(input->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), length)) ||
        FAILED(factory->CreateDecoderFromStream(input.get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                decoder.receive())) ||
        FAILED(decoder->GetFrame(0, frame.receive())) || FAILED(factory->CreateBitmapScaler(scaler.receive())) ||
        FAILED(frame->GetSize(&width, &height)) || FAILED(frame->GetPixelFormat(&format)))
        return {};

    OSVERSIONINFOW version = windowsVersion();
    WICBitmapInterpolationMode mode = version.dwMajorVersion < 10 ? fant : highQualityCubic;
    UINT scaledWidth = scaledSide(width, ratio), scaledHeight = scaledSide(height, ratio);
    HRESULT result = scaler->Initialize(frame.get(), scaledWidth, scaledHeight, mode);
    if (FAILED(result) && mode == highQualityCubic) {
        mode = fant;
        result = scaler->Initialize(frame.get(), scaledWidth, scaledHeight, mode);
    }
    logLine(u"interpolation mode %d %d %d %p", static_cast<int>(mode), static_cast<int>(version.dwMajorVersion),
            static_cast<int>(version.dwMinorVersion), reinterpret_cast<void*>(static_cast<uintptr_t>(result)));
    if (FAILED(result)) return {};

    ComRef<IStream> memory;
    ComRef<IWICStream> output;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> target;
    if (FAILED(com.createMemoryStream(nullptr, TRUE, memory.receive())) ||
        FAILED(factory->CreateStream(output.receive())) || FAILED(output->InitializeFromIStream(memory.get())) ||
        FAILED(factory->CreateEncoder(pngContainer, nullptr, encoder.receive())) ||
        FAILED(encoder->Initialize(output.get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(target.receive(), nullptr)) || FAILED(target->Initialize(nullptr)) ||
        FAILED(target->SetPixelFormat(&format)) || FAILED(target->WriteSource(scaler.get(), nullptr)) ||
        FAILED(target->Commit()) || FAILED(encoder->Commit()))
        return {};
    return streamBytes(memory.get());
}

}  // namespace

std::optional<std::string> rescaleSplashImage(float ratio, const void* bytes, DWORD length) {
    const Ole32* com = ole32();
    if (!com) return {};
    HRESULT initialized = com->initialize(nullptr, COINIT_MULTITHREADED);
    std::optional<std::string> png = scaleAndEncode(*com, ratio, bytes, length);
    if (SUCCEEDED(initialized)) com->uninitialize();  // not when the thread already had another model
    return png;
}
