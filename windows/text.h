#pragma once
// The game's texts are UTF-8; the system's are UTF-16.

#include <string>
#include <string_view>

namespace klandor::win {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

}  // namespace klandor::win
