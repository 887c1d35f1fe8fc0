// The program's resources, linked into this test as into klandor.exe: the
// window's icon pixel for pixel as the game draws it, the version, the
// manifest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/pictures.h"
#include "windows/win32.h"

namespace klandor::win {
namespace {

// The 32-bit pixels of a bitmap, rows top-down.
std::vector<std::uint32_t> pixels(HBITMAP bitmap, int side) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = side;
  info.bmiHeader.biHeight = -side;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> out(static_cast<std::size_t>(side * side));
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(side), out.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return out;
}

TEST(ResourcesTest, WindowIconLargeAndSmallAsTheGameDrawsThem) {
  for (const int side : {32, 16}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101), IMAGE_ICON, side, side, 0));
    ASSERT_NE(icon, nullptr) << side;
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    const std::vector<std::uint32_t> colour = pixels(parts.hbmColor, side);
    const std::vector<std::uint32_t> mask = pixels(parts.hbmMask, side);
    const res::Icon& drawn = res::icon(side);
    for (int i = 0; i < side * side; ++i) {
      const auto at = static_cast<std::size_t>(i);
      const bool clear = drawn.transparent[at];
      EXPECT_EQ((mask[at] & 0xFFFFFF) != 0, clear) << side << ": pixel " << i;
      const res::Rgb& c = res::kPalette[drawn.image.pixels[at]];
      const std::uint32_t want = clear ? 0 : static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b;
      EXPECT_EQ(colour[at] & 0xFFFFFF, want) << side << ": pixel " << i;
    }
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
  }
}

std::string resourceText(LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(nullptr, name, type);
  if (found == nullptr) return {};
  const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  return std::string(data, SizeofResource(nullptr, found));
}

TEST(ResourcesTest, VersionAndManifest) {
  const std::string version = resourceText(MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
  ASSERT_FALSE(version.empty());
  auto* block = const_cast<char*>(version.data());
  void* value = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(block, L"\\StringFileInfo\\040904B0\\ProductVersion", &value, &size));
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"" KLANDOR_VERSION);
  ASSERT_TRUE(VerQueryValueW(block, L"\\", &value, &size));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const std::string manifest = resourceText(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  for (const char* says : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "PerMonitorV2",
                           "true/pm", "level=\"asInvoker\""})
    EXPECT_NE(manifest.find(says), std::string::npos) << says;
  // The program's own icon comes first, as the desktop takes the first.
  EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr);
}

}  // namespace
}  // namespace klandor::win
