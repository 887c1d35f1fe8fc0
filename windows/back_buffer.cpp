#include "windows/back_buffer.h"

#include <algorithm>

namespace klandor::win {

BackBuffer::~BackBuffer() { release(); }

void BackBuffer::release() {
  if (dc_ != nullptr) {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  bits_ = nullptr;
}

bool BackBuffer::reset(int width, int height, int scale) {
  release();
  width_ = width;
  height_ = height;
  scale_ = scale;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width * scale;
  info.bmiHeader.biHeight = -height * scale;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = CreateCompatibleDC(nullptr);
  if (bitmap_ == nullptr || dc_ == nullptr) {
    release();
    return false;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  return true;
}

namespace {

std::vector<std::uint32_t> converted(const res::Picture& picture) {
  std::vector<std::uint32_t> colours;
  colours.reserve(picture.pixels.size());
  for (const std::uint8_t index : picture.pixels) {
    const res::Rgb& c = res::kPalette[index & 0x0F];
    colours.push_back(static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b);
  }
  return colours;
}

}  // namespace

const std::vector<std::uint32_t>& BackBuffer::colours(int number, const res::Picture& picture) {
  auto found = colours_.find(number);
  if (found != colours_.end()) return found->second;
  return colours_.emplace(number, converted(picture)).first->second;
}

void BackBuffer::place(int number, int x, int y, int w, int h) {
  place(number, x, y, w, h, RECT{0, 0, width_, height_});
}

void BackBuffer::place(int number, int x, int y, int w, int h, const RECT& clip) {
  const res::Picture* picture = res::picture(number);
  if (bits_ == nullptr || picture == nullptr || w <= 0 || h <= 0) return;
  draw(*picture, colours(number, *picture), x, y, w, h, clip);
}

void BackBuffer::place(const res::Picture& picture, int x, int y) {
  if (bits_ == nullptr || picture.width <= 0 || picture.height <= 0) return;
  draw(picture, converted(picture), x, y, picture.width, picture.height, RECT{0, 0, width_, height_});
}

void BackBuffer::draw(const res::Picture& picture, const std::vector<std::uint32_t>& source, int x, int y, int w,
                      int h, const RECT& clip) {
  const int left = std::max({x, static_cast<int>(clip.left), 0});
  const int top = std::max({y, static_cast<int>(clip.top), 0});
  const int right = std::min({x + w, static_cast<int>(clip.right), width_});
  const int bottom = std::min({y + h, static_cast<int>(clip.bottom), height_});
  const int stride = width_ * scale_;
  for (int py = top; py < bottom; ++py) {
    const int sy = (py - y) * picture.height / h;
    const std::uint32_t* from = source.data() + static_cast<std::ptrdiff_t>(sy) * picture.width;
    std::uint32_t* row = bits_ + static_cast<std::ptrdiff_t>(py) * scale_ * stride;
    for (int px = left; px < right; ++px) {
      const std::uint32_t colour = from[(px - x) * picture.width / w];
      std::fill_n(row + px * scale_, scale_, colour);
    }
    // The other device rows of this picture row are copies of the first.
    const int from_x = left * scale_, count = (right - left) * scale_;
    for (int k = 1; k < scale_; ++k)
      std::copy_n(row + from_x, count, row + static_cast<std::ptrdiff_t>(k) * stride + from_x);
  }
}

void BackBuffer::blit(HDC dc, const RECT& area) const {
  if (dc_ == nullptr) return;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left, area.top,
         SRCCOPY);
}

void BackBuffer::copyTo(HDC dc, int x, int y) const {
  if (dc_ != nullptr) BitBlt(dc, x, y, width_ * scale_, height_ * scale_, dc_, 0, 0, SRCCOPY);
}

std::uint32_t BackBuffer::pixel(int x, int y) const {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ * scale_ || y >= height_ * scale_) return 0;
  return bits_[static_cast<std::ptrdiff_t>(y) * width_ * scale_ + x];
}

}  // namespace klandor::win
