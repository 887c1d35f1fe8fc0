#pragma once
// The main window's client area, composed in one bitmap (a DIB section) at
// the window's whole-number scale: every picture pixel a square block of
// scale x scale device pixels. Painting only copies from it.

#include "windows/win32.h"

#include <cstdint>
#include <map>
#include <vector>

#include "resources/pictures.h"

namespace klandor::win {

class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // A fresh bitmap for a client area of width x height picture pixels;
  // false when the system has no room for it.
  bool reset(int width, int height, int scale);

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }

  // Draws picture `number` on the area at (x, y), w x h picture pixels,
  // stretched to it when its size differs (each area pixel takes the
  // picture pixel it falls on), leaving everything outside `clip` as it is.
  void place(int number, int x, int y, int w, int h, const RECT& clip);
  void place(int number, int x, int y, int w, int h);
  // Draws a picture of the caller's own at (x, y), at its size.
  void place(const res::Picture& picture, int x, int y);

  // Copies the device pixels of `area` to the same place on `dc`.
  void blit(HDC dc, const RECT& area) const;
  // Copies all of it to (x, y) on `dc`.
  void copyTo(HDC dc, int x, int y) const;

  // The colour of a device pixel, 0x00RRGGBB.
  std::uint32_t pixel(int x, int y) const;

 private:
  // A picture's colours, converted once and kept by number.
  const std::vector<std::uint32_t>& colours(int number, const res::Picture& picture);
  void draw(const res::Picture& picture, const std::vector<std::uint32_t>& source, int x, int y, int w, int h,
            const RECT& clip);
  void release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;  // top-down rows of 0x00RRGGBB
  int width_ = 0, height_ = 0, scale_ = 1;
  std::map<int, std::vector<std::uint32_t>> colours_;
};

}  // namespace klandor::win
