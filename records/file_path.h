#pragma once
// The name of a file as the system takes it: bytes on POSIX (UTF-8 as the
// game writes them), UTF-16 on Windows. The records layer keeps its names
// in this small type rather than std::filesystem::path, whose library
// brings a C++ locale with every facet into a statically linked program.
// A name is cut into folder and last name by its separators ("/", and on
// Windows "\" too), after the root that starts it ("/", "C:\",
// "\\server\share\"...); nothing else about it is read.

#include <concepts>
#include <string>
#include <string_view>

namespace klandor {

class FilePath {
 public:
#ifdef _WIN32
  using Char = wchar_t;
#else
  using Char = char;
#endif
  using String = std::basic_string<Char>;
  using View = std::basic_string_view<Char>;
  // What join puts between a folder and a name.
  static constexpr Char kSeparator = Char(
#ifdef _WIN32
      '\\'
#else
      '/'
#endif
  );

  FilePath() = default;
  // The system's own characters.
  FilePath(String native) : native_(std::move(native)) {}
  FilePath(View native) : native_(native) {}
  FilePath(const Char* native) : native_(native) {}
#ifdef _WIN32
  // UTF-8 text, as the game writes the names it makes (the same as the
  // native constructors on POSIX).
  FilePath(std::string_view utf8);
  FilePath(const char* utf8) : FilePath(std::string_view(utf8)) {}
  FilePath(const std::string& utf8) : FilePath(std::string_view(utf8)) {}
#endif
  // Any path type that gives its native string: std::filesystem::path as
  // the front ends and the tests hold it.
  template <typename Path>
    requires(!std::same_as<Path, FilePath>) && requires(const Path& path) {
      { path.native() } -> std::convertible_to<View>;
    }
  FilePath(const Path& path) : native_(View(path.native())) {}

  const String& native() const { return native_; }
  const Char* c_str() const { return native_.c_str(); }
  bool empty() const { return native_.empty(); }
  // As UTF-8 text, to show the player.
  std::string utf8() const;

  // The folder the last name is in: the name without it and the separators
  // before it; the root for a name right under it; "." for a bare name.
  FilePath folder() const;
  // The last name, after the last separator.
  View name() const;
  // Whether the name starts at a root of its own: "/" on POSIX, a drive
  // with its separator or a server's share on Windows.
  bool isAbsolute() const;

  // The name under this folder; name is relative.
  FilePath operator/(const FilePath& name) const;
  // Adds to the last name: "minebs.txt" += ".lock".
  FilePath& operator+=(const FilePath& suffix) {
    native_ += suffix.native_;
    return *this;
  }

  friend bool operator==(const FilePath&, const FilePath&) = default;

 private:
  String native_;
};

}  // namespace klandor
