// One run of the game through its session, with no toolkit: what each menu
// item does, and the Best Times and Custom Field dialogs' content and flow.
#include "kit/session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "core/levels.h"
#include "core/tile_sets.h"
#include "tests/kit/session_fixture.h"

namespace klandor::kit {
namespace {

using ::testing::_;
using ::testing::Return;

// A dialog's window that keeps what it was told, and the boxes as typed.
struct FakeView final : DialogView {
  explicit FakeView(Dialog& d) : dialog(d) {
    for (std::size_t i = 0; i < d.layout().controls.size(); ++i)
      if (d.layout().controls[i].kind == Control::kBox) boxes[static_cast<int>(i)] = d.text(static_cast<int>(i)).inEnglish();
  }
  void refresh() override {
    ++refreshes;
    title = dialog.title().inEnglish();
  }
  void showOverMain() override { shown = true; }
  void hideToMain() override { shown = false; }
  std::string boxText(int control) const override { return boxes.at(control); }

  Dialog& dialog;
  std::map<int, std::string> boxes;
  std::string title;
  int refreshes = 0;
  bool shown = false;
};

struct FakeShell final : Shell {
  void syncWindow() override { ++syncs; }
  DialogView& makeDialog(Dialog& dialog) override {
    views.push_back(std::make_unique<FakeView>(dialog));
    return *views.back();
  }
  void quit() override { ++quits; }

  std::vector<std::unique_ptr<FakeView>> views;
  int syncs = 0, quits = 0;
};

class KitSessionTest : public test::SessionTest {
 protected:
  KitSessionTest() { session.attach(&shell); }
  ~KitSessionTest() override { session.attach(nullptr); }

  FakeView& view(const Dialog& d) { return *static_cast<FakeView*>(d.view()); }
  std::string caption(int element) { return session.form2().text(Form2::Best + element).inEnglish(); }

  FakeShell shell;
};

TEST_F(KitSessionTest, EveryItemWithAHandlerHasItsCommand) {
  for (const MenuDesign& d : kMenuDesign) {
    const bool handled = !opensMenu(d.item) && !isSeparator(d.item) && d.item != Menu::mnuHelpT;
    EXPECT_EQ(commandOf(d.item) != nullptr, handled) << d.name;
  }
}

TEST_F(KitSessionTest, TheBoardCommandsStartTheirBoards) {
  for (const Level& level : kLevels) {
    if (level.selected == nullptr) continue;
    const unsigned loads = game.loads;
    session.choose(level.item);
    EXPECT_EQ(game.loads, loads + 1) << level.key;
    EXPECT_EQ(game.b.levelnum, level.levelnum);
    EXPECT_EQ(settings.across * settings.down, level.across * level.down);
    EXPECT_TRUE(game.menu.checked(level.item));
  }
  session.choose(Menu::mnuTileDice);
  EXPECT_EQ(settings.tileset, kTileSetChoices.back().tileset);
  session.choose(Menu::mnuColor);
  EXPECT_TRUE(game.menu.checked(Menu::mnuColor));
  session.choose(Menu::mnuMarks);
  EXPECT_TRUE(game.menu.checked(Menu::mnuMarks));
  const unsigned loads = game.loads;
  session.choose(Menu::mnuNew);
  EXPECT_EQ(game.loads, loads + 1);
  EXPECT_FALSE(game.menu.checked(Menu::mnuMarks)) << "a new board takes the mark off";
  EXPECT_EQ(shell.syncs, 7) << "the window follows each command";
}

TEST_F(KitSessionTest, AboutAndExit) {
  EXPECT_CALL(prompts, inform("About Klandor", ::testing::StartsWith("Klandor %1. Uncover every cell"), release()));
  const Board before = game.b;
  session.choose(Menu::mnuAbout);
  EXPECT_EQ(game.b.playing, before.playing);
  EXPECT_EQ(game.loads, 1u);
  session.choose(Menu::mnuExit);
  EXPECT_EQ(shell.quits, 1);
  EXPECT_TRUE(shell.views.empty());
}

TEST_F(KitSessionTest, BestTimesShowsTheLineAndKeepsItsFirstTitle) {
  session.choose(Menu::mnuBest);
  Form2& best = session.form2();
  ASSERT_TRUE(best.isOpen());
  EXPECT_TRUE(view(best).shown);
  EXPECT_EQ(view(best).title, "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_EQ(caption(0), "999 seconds");
  EXPECT_EQ(caption(3), "MrNobody");
  best.close();  // through its frame: as OK
  EXPECT_FALSE(best.isOpen());
  EXPECT_FALSE(view(best).shown);

  settings.bestline = "\"  5 45\xE9" "99Ann     B<b>&c  MrNobody\"";
  session.choose(Menu::mnuBest);
  EXPECT_EQ(shell.views.size(), 1u) << "made once";
  EXPECT_EQ(view(best).title, "\"999999999MrNobodyMrNobodyMrNobody\"") << "as at the first opening";
  EXPECT_EQ(caption(0), "  5 seconds");
  EXPECT_EQ(caption(2), "\u00e9" "99 seconds");
  EXPECT_EQ(caption(4), "B<b>&c  ");
  const Text time = best.text(Form2::Best + 1);
  EXPECT_EQ(time.count, 45) << "the plural follows the number";
  EXPECT_EQ(time.args, std::vector<std::string>{" 45"});
  EXPECT_EQ(best.text(Form2::Best + 4).context, nullptr) << "a name is not translated";
}

TEST_F(KitSessionTest, ARecordIsEnteredAndShown) {
  EXPECT_CALL(prompts, inputBox(_, "Congratulations", "MrNobody")).WillOnce([&] {
    EXPECT_EQ(shell.syncs, 1) << "the window shows the won board behind the prompt";
    return std::string("Zo\u00eb");
  });
  layMinesLast();
  session.game().Box_MouseDown(1, kLeft);
  session.game().Box_MouseUp(1, kLeft);
  EXPECT_TRUE(session.form2().isOpen());
  EXPECT_EQ(caption(0), "  1 seconds");
  EXPECT_EQ(caption(3), "Zo\u00eb     ");
}

TEST_F(KitSessionTest, TheCustomFieldStartsItsBoardOnlyOnOk) {
  layMines({64});
  click(1);  // a game in play
  session.choose(Menu::mnuCustom);
  Form3& custom = session.form3();
  FakeView& v = view(custom);
  EXPECT_TRUE(v.shown);
  EXPECT_EQ(v.title, "Custom Field");
  EXPECT_EQ(v.boxes, (std::map<int, std::string>{{Form3::Acr, "8"}, {Form3::Dwn, "8"}, {Form3::TM, "10"}}));
  EXPECT_EQ(game.loads, 1u) << "no board until OK";

  v.boxes[Form3::Acr] = "20";
  custom.press(Form3::Cancel);
  EXPECT_FALSE(v.shown);
  session.choose(Menu::mnuCustom);
  custom.close();
  EXPECT_EQ(game.loads, 1u);
  EXPECT_TRUE(game.b.playing && game.b.minesplaced == kTrue) << "the game in play goes on";
  EXPECT_TRUE(game.menu.checked(Menu::mnuBeginner));

  session.choose(Menu::mnuCustom);
  v.boxes = {{Form3::Acr, "100"}, {Form3::Dwn, " 2"}, {Form3::TM, "5x"}};
  const int syncs = shell.syncs;
  custom.press(Form3::OK);
  EXPECT_FALSE(v.shown);
  EXPECT_EQ(game.b.levelnum, kCustomLevel);
  EXPECT_EQ(settings.across, 30);
  EXPECT_EQ(settings.down, 8);
  EXPECT_EQ(settings.totalmines, 10);
  EXPECT_TRUE(game.menu.checked(Menu::mnuCustom));
  EXPECT_GT(shell.syncs, syncs);
  EXPECT_EQ(custom.text(Form3::Acr).inEnglish(), "8") << "the boxes were filled at the first opening only";
}

TEST_F(KitSessionTest, ADialogNeedsAWindowToStandOver) {
  session.attach(nullptr);
  session.choose(Menu::mnuBest);
  EXPECT_FALSE(session.form2().isOpen());
}

}  // namespace
}  // namespace klandor::kit
