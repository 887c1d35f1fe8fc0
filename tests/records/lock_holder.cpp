// Holds the lock of the lock file its argument names, as another window of
// the game would: says "1" on its output once it does, and holds it until
// its input ends.
#include <cstdio>

#include "records/platform_files.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  klandor::FileHandle file{};
  if (klandor::platformFiles().openLock(argv[1], {}, file) || klandor::platformFiles().tryLock(file)) return 1;
  std::fputs("1", stdout);
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  return 0;
}
