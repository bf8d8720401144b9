// PNG files through the Windows Imaging Component.
#include "host/PngFile.h"

#include <windows.h>

#include <wincodec.h>

#include <cstdio>

namespace host {
namespace {

// Holds one COM interface and releases it.
template <typename Interface>
class Com {
  public:
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() {
        if (pointer_)
            pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** out() { return &pointer_; }
    void** outVoid() { return reinterpret_cast<void**>(&pointer_); }

  private:
    Interface* pointer_ = nullptr;
};

// COM for the calling thread, for as long as the object lives.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // A thread already in another kind of apartment can use COM all the same.
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

// Turns a failed step into a message naming it; true when the step succeeded.
bool Check(HRESULT result, const char* step, std::string& error) {
    if (SUCCEEDED(result))
        return true;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    error = std::string(step) + " failed (" + code + ")";
    return false;
}

bool MakeFactory(Com<IWICImagingFactory>& factory, std::string& error) {
    return Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, factory.outVoid()),
                 "the image codecs", error);
}

// Asks the encoder to choose a row filter for each row, which packs screen pictures best.
void PreferAdaptiveFilter(IPropertyBag2* options) {
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"FilterOption");
    VARIANT value{};
    value.vt = VT_UI1;
    value.bVal = WICPngFilterAdaptive;
    options->Write(1, &option, &value);  // an encoder without the option keeps its own
}

}  // namespace

bool PngFile::Save(const std::filesystem::path& file, const Picture& picture, std::string& error) {
    const std::uint64_t stride = std::uint64_t(picture.width) * 3;
    if (picture.width == 0 || picture.height == 0 || stride > 0x7FFFFFFF / picture.height ||
        picture.bgr.size() != stride * picture.height) {
        error = "the picture is empty or does not match its size";
        return false;
    }
    ComApartment apartment;
    if (!apartment.Usable())
        return Check(E_FAIL, "COM", error);
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    Com<IPropertyBag2> options;
    if (!MakeFactory(factory, error) ||
        !Check(factory->CreateStream(stream.out()), "stream", error))
        return false;
    if (!Check(stream->InitializeFromFilename(file.wstring().c_str(), GENERIC_WRITE),
               "creating the file", error))
        return false;
    if (!Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out()),
               "the PNG encoder", error) ||
        !Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "the encoder", error) ||
        !Check(encoder->CreateNewFrame(frame.out(), options.out()), "the frame", error))
        return false;
    if (options.get())
        PreferAdaptiveFilter(options.get());
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (!Check(frame->Initialize(options.get()), "the frame's options", error) ||
        !Check(frame->SetSize(picture.width, picture.height), "the size", error) ||
        !Check(frame->SetPixelFormat(&format), "the pixel format", error))
        return false;
    if (format != GUID_WICPixelFormat24bppBGR) {
        error = "the PNG encoder does not take 24-bit pixels";
        return false;
    }
    auto* pixels = const_cast<BYTE*>(picture.bgr.data());
    return Check(frame->WritePixels(picture.height, UINT(stride), UINT(picture.bgr.size()), pixels),
                 "writing the pixels", error) &&
           Check(frame->Commit(), "the frame", error) &&
           Check(encoder->Commit(), "writing the file", error);
}

bool PngFile::Load(const std::filesystem::path& file, Picture& picture, std::string& error) {
    ComApartment apartment;
    if (!apartment.Usable())
        return Check(E_FAIL, "COM", error);
    Com<IWICImagingFactory> factory;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    if (!MakeFactory(factory, error) ||
        !Check(factory->CreateDecoderFromFilename(file.wstring().c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.out()),
               "reading the file", error) ||
        !Check(decoder->GetFrame(0, frame.out()), "the first frame", error) ||
        !Check(factory->CreateFormatConverter(converter.out()), "the converter", error) ||
        !Check(
            converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                  nullptr, 0.0, WICBitmapPaletteTypeCustom),
            "converting the pixels", error))
        return false;
    UINT width = 0, height = 0;
    if (!Check(converter->GetSize(&width, &height), "the size", error))
        return false;
    picture.width = width;
    picture.height = height;
    picture.bgr.assign(std::size_t(width) * 3 * height, 0);
    return Check(
        converter->CopyPixels(nullptr, width * 3, UINT(picture.bgr.size()), picture.bgr.data()),
        "copying the pixels", error);
}

}  // namespace host
