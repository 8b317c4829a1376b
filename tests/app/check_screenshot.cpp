// check_screenshot FILE WIDTH HEIGHT: exits 0 when FILE is an image of that size showing more
// than one colour, that is, a drawn window rather than an empty frame.

#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: check_screenshot FILE WIDTH HEIGHT\n");
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.isNull()) {
    std::fprintf(stderr, "check_screenshot: %s is missing or not an image\n", argv[1]);
    return 1;
  }
  const int width = std::atoi(argv[2]);
  const int height = std::atoi(argv[3]);
  if (image.width() != width || image.height() != height) {
    std::fprintf(stderr, "check_screenshot: the image is %d x %d, expected %d x %d\n",
                 image.width(), image.height(), width, height);
    return 1;
  }
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) {
        return 0;
      }
    }
  }
  std::fprintf(stderr, "check_screenshot: the image is blank (one colour)\n");
  return 1;
}
