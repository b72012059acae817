#include "Image.h"

#include <ole2.h>
#include <olectl.h>

#include <fstream>
#include <iterator>

namespace ui {

namespace {

// Releases a COM interface pointer.
template <class Interface>
class ComPtr {
public:
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

// Frees a global memory block unless a stream took it over.
class GlobalBlock {
public:
    explicit GlobalBlock(size_t size) : handle_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalBlock() {
        if (handle_) GlobalFree(handle_);
    }
    HGLOBAL Get() const { return handle_; }
    HGLOBAL Release() {
        HGLOBAL handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    HGLOBAL handle_;
};

// A memory device context for one scope.
class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

bool Image::Create(Window& parent, const ControlArgs& args, ImageFit fit) {
    fit_ = fit;
    return CreateHandle(WindowKind::Container, parent.Handle(), args, WS_CLIPSIBLINGS, 0);
}

bool Image::LoadFromFile(const std::string& path) {
    Clear();
    bool loaded = LoadBitmapFile(path) || LoadOlePicture(path);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
    return loaded;
}

void Image::Clear() {
    bitmap_.Reset();
    width_ = height_ = 0;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool Image::LoadFromResource(const std::string& name) {
    Clear();
    bool loaded = TakeBitmap(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
    return loaded;
}

bool Image::LoadBitmapFile(const std::string& path) {
    return TakeBitmap(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool Image::TakeBitmap(HANDLE loaded) {
    if (!loaded) return false;
    bitmap_.Reset(static_cast<HBITMAP>(loaded));
    BITMAP info = {};
    GetObjectA(bitmap_.Get(), sizeof info, &info);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    return true;
}

bool Image::LoadOlePicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) return false;

    GlobalBlock block(bytes.size());
    if (!block.Get()) return false;
    void* memory = GlobalLock(block.Get());
    bytes.copy(static_cast<char*>(memory), bytes.size());
    GlobalUnlock(block.Get());

    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, stream.Out()))) return false;
    block.Release();   // the stream frees it now
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.operator->(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Out()))))
        return false;

    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    picture->get_Width(&himetricWidth);
    picture->get_Height(&himetricHeight);
    WindowDc screen(nullptr);
    int width = MulDiv(himetricWidth, GetDeviceCaps(screen.Dc(), LOGPIXELSX), 2540);
    int height = MulDiv(himetricHeight, GetDeviceCaps(screen.Dc(), LOGPIXELSY), 2540);
    if (width <= 0 || height <= 0) return false;

    Bitmap bitmap(CreateCompatibleBitmap(screen.Dc(), width, height));
    MemoryDc memoryDc;
    if (!bitmap || !memoryDc.Dc()) return false;
    {
        SelectObjectScope select(memoryDc.Dc(), bitmap.Get());
        RECT all = {0, 0, width, height};
        FillRect(memoryDc.Dc(), &all, GetSysColorBrush(COLOR_BTNFACE));   // behind transparent parts
        // IPicture draws bottom-up in HIMETRIC: start at the height and go up.
        if (FAILED(picture->Render(memoryDc.Dc(), 0, 0, width, height, 0, himetricHeight,
                                   himetricWidth, -himetricHeight, nullptr)))
            return false;
    }
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
    return true;
}

void Image::SetFit(ImageFit fit) {
    fit_ = fit;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

// A picture keeps its orientation in a right-to-left window, whose layout mirrors the rest.
constexpr DWORD kCopyUnmirrored = SRCCOPY | NOMIRRORBITMAP;

void Image::Draw(HDC dc, const RECT& area) const {
    FillRect(dc, &area, BackgroundBrush());
    if (!bitmap_) return;
    MemoryDc source;
    SelectObjectScope select(source.Dc(), bitmap_.Get());
    int areaWidth = area.right - area.left;
    int areaHeight = area.bottom - area.top;
    if (fit_ == ImageFit::Stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, area.left, area.top, areaWidth, areaHeight, source.Dc(), 0, 0, width_,
                   height_, kCopyUnmirrored);
        return;
    }
    int left = area.left;
    int top = area.top;
    if (fit_ == ImageFit::Center) {
        left += (areaWidth - width_) / 2;
        top += (areaHeight - height_) / 2;
    }
    BitBlt(dc, left, top, width_, height_, source.Dc(), 0, 0, kCopyUnmirrored);
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PaintContext paint(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            Draw(paint.Dc(), client);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace ui
