#include "windows/text.h"

#include "windows/translations/translations.h"
#include "windows/win32.h"

namespace klandor::win {

std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
  return out;
}

std::string utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring say(const kit::Text& text) {
  if (text.empty()) return {};
  const std::string_view pattern =
      text.context == nullptr
          ? std::string_view(text.english)
          : translated(text.context, text.english, text.comment != nullptr ? text.comment : "", text.count.value_or(-1));
  return wide(kit::Text::fill(pattern, text.args));
}

}  // namespace klandor::win
