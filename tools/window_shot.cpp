// window_shot: saves what an X window shows as a PNG file.
//
//   window_shot WINDOW_ID FILE
//
// WINDOW_ID as printed by map_probe (0x...). Exit status 0 when the file was written.

// Qt first: Xlib's macros (Status, None, Bool) break Qt's headers.
#include <QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

// One colour channel of a true-colour pixel, scaled to 0..255.
struct Channel {
  unsigned long mask;
  int shift = 0;
  unsigned long max = 0;

  explicit Channel(unsigned long m) : mask(m) {
    while (mask != 0 && ((mask >> shift) & 1UL) == 0) {
      ++shift;
    }
    max = mask >> shift;
  }

  int Of(unsigned long pixel) const {
    return max == 0 ? 0 : static_cast<int>(((pixel & mask) >> shift) * 255UL / max);
  }
};

int Fail(const char* message) {
  std::fprintf(stderr, "window_shot: %s\n", message);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    return Fail("usage: window_shot WINDOW_ID FILE");
  }
  const ::Window window = std::strtoul(argv[1], nullptr, 0);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    return Fail("cannot open the X display (is DISPLAY set?)");
  }
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    return Fail("no such window");
  }
  const int visual_class = attributes.visual->c_class;
  if (visual_class != TrueColor && visual_class != DirectColor) {
    return Fail("only true-colour displays are supported");
  }
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), ~0UL, ZPixmap);
  if (image == nullptr) {
    return Fail("cannot read the window's pixels (is it viewable?)");
  }
  const Channel red(attributes.visual->red_mask);
  const Channel green(attributes.visual->green_mask);
  const Channel blue(attributes.visual->blue_mask);
  QImage picture(attributes.width, attributes.height, QImage::Format_RGB32);
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      picture.setPixel(x, y, qRgb(red.Of(pixel), green.Of(pixel), blue.Of(pixel)));
    }
  }
  XDestroyImage(image);
  XCloseDisplay(display);
  return picture.save(argv[2], "PNG") ? 0 : Fail("cannot write the PNG file");
}
