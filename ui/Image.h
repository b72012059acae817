#pragma once
// A picture on a form: a BMP file, or a JPEG or GIF file decoded by OLE (IPicture). The picture
// is kept as a bitmap owned by the control.
#include <string>

#include "Window.h"

namespace ui {

enum class ImageFit {
    TopLeft,   // drawn at its own size from the top-left corner
    Center,    // drawn at its own size, centred
    Stretch,   // stretched to the control
};

class Image : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, ImageFit fit = ImageFit::TopLeft);
    // Loads the file (chosen by its content, not its name); false when it is missing or not a
    // picture, and the control is then empty.
    bool LoadFromFile(const std::string& path);
    // Loads a BITMAP resource of the program; false when it has none of that name.
    bool LoadFromResource(const std::string& name);
    void Clear();
    bool Empty() const { return !bitmap_; }
    int PictureWidth() const { return width_; }
    int PictureHeight() const { return height_; }
    void SetFit(ImageFit fit);
    // Draws the picture as the control shows it, into `dc` at `area`.
    void Draw(HDC dc, const RECT& area) const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool LoadBitmapFile(const std::string& path);
    bool TakeBitmap(HANDLE loaded);
    bool LoadOlePicture(const std::string& path);

    Bitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
    ImageFit fit_ = ImageFit::TopLeft;
};

}  // namespace ui
