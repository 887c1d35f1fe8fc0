#pragma once
// A whole run of the game as the program makes it, with a fixed seed, its
// files in a fresh folder (whose saves a test can make fail), clocks that a
// test moves, and the modal questions answered by a mock; plus the helpers
// over its game.

#include <gmock/gmock.h>

#include "kit/session.h"
#include "tests/core/game_fixture.h"
#include "tests/records/mock_prompts.h"
#include "tests/records/test_files.h"

namespace klandor::test {

// The file operations, with the save's last step failing on demand.
class SaveFailing final : public PlatformFiles {
 public:
  bool fail = false;
  FileOutcome replace(const FilePath& from, const FilePath& to) override {
    if (fail) return FileError{5, "Input/output error"};
    return PlatformFiles::replace(from, to);
  }
};

// Clocks that stand still until a test moves them.
struct TestClocks {
  std::int64_t milliseconds = 1000;
  LocalDateTime now{2026, 12, 9, 21, 4, 5};
};

struct OwnSession {
  kit::StatisticsClocks clocks() {
    return {[this] { return time.milliseconds; }, [this] { return time.now; }};
  }

  TestClocks time;
  TempDir dir;
  SaveFailing files;
  ::testing::NiceMock<MockPrompts> prompts;
  ScriptedRandom random;
  kit::Session session{{dir / "minebs.txt", dir / "settings.ini"}, prompts, [] { return kSeed; }, files, &random,
                       clocks()};
};

class SessionTest : public ::testing::Test, protected OwnSession, protected GameHelpers {
 protected:
  SessionTest() : GameHelpers(session.game()) {}
};

}  // namespace klandor::test
