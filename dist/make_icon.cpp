// Build-time tool: writes the application icon at one size as a PNG file.
// Usage: klandor_make_icon SIZE OUTPUT.png

#include <cstdio>
#include <cstdlib>

#include "dist/icon_image.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int size = std::atoi(argv[1]);
  const QImage image = klandor::dist::themeIcon(size);
  if (image.isNull()) {
    std::fprintf(stderr, "%s: no drawn icon scales to %s pixels\n", argv[0], argv[1]);
    return EXIT_FAILURE;
  }
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
