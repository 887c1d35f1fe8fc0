#include "records/file_path.h"

#include <utility>

namespace klandor {

namespace {

using View = FilePath::View;

bool isSeparator(FilePath::Char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

#ifdef _WIN32
bool isDrive(View name) {
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

bool startsWithTwoSeparators(View name) { return name.size() >= 2 && isSeparator(name[0]) && isSeparator(name[1]); }

// The end of the component that starts at from: the next separator.
std::size_t componentEnd(View name, std::size_t from) {
  while (from < name.size() && !isSeparator(name[from])) ++from;
  return from;
}
#endif

// How long the root at the start of the name is, with the separator after
// it: "/" on POSIX; on Windows "C:\", "C:", "\", "\\server\share\", or
// "\\?\" (a name the system takes as it is) with a drive or
// "UNC\server\share\" after it. 0 for a relative name.
std::size_t rootLength(View name) {
#ifdef _WIN32
  std::size_t at = 0;
  bool share = false;
  if (startsWithTwoSeparators(name)) {
    if (name.size() >= 4 && (name[2] == '?' || name[2] == '.') && isSeparator(name[3])) {
      at = 4;
      if (name.size() >= 8 && name.substr(4, 3) == L"UNC" && isSeparator(name[7])) {
        at = 8;
        share = true;
      }
    } else {
      at = 2;
      share = true;
    }
  }
  if (share) {
    at = componentEnd(name, at);                            // the server
    if (at < name.size()) at = componentEnd(name, at + 1);  // its share
  } else if (isDrive(name.substr(at))) {
    at += 2;
  }
  if (at < name.size() && isSeparator(name[at])) ++at;
  return at;
#else
  return !name.empty() && isSeparator(name[0]) ? 1 : 0;
#endif
}

// Where the last name starts.
std::size_t lastNameAt(View name) {
  const std::size_t root = rootLength(name);
  std::size_t at = name.size();
  while (at > root && !isSeparator(name[at - 1])) --at;
  return at;
}

}  // namespace

FilePath FilePath::folder() const {
  const View name = native_;
  const std::size_t root = rootLength(name);
  std::size_t end = lastNameAt(name);
  while (end > root && isSeparator(name[end - 1])) --end;
  if (end == 0) return FilePath(String(1, Char('.')));
  return FilePath(name.substr(0, end));
}

FilePath::View FilePath::name() const { return View(native_).substr(lastNameAt(native_)); }

bool FilePath::isAbsolute() const {
#ifdef _WIN32
  const View name = native_;
  return startsWithTwoSeparators(name) || (isDrive(name) && name.size() > 2 && isSeparator(name[2]));
#else
  return rootLength(native_) > 0;
#endif
}

FilePath FilePath::operator/(const FilePath& name) const {
  if (native_.empty()) return name;
  String joined = native_;
  if (!isSeparator(joined.back())) joined += kSeparator;
  joined += name.native_;
  return FilePath(std::move(joined));
}

}  // namespace klandor
