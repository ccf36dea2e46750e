#include <QClipboard>
#include <QLineEdit>

#include "mainwindowfixture.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class EditMenuTest : public MainWindowFixture {
protected:
    // Which of Cut, Copy and Paste can be chosen.
    std::vector<bool> enabled() const {
        return {act("Editmenu21")->isEnabled(), act("Editmenu22")->isEnabled(), act("Editmenu23")->isEnabled()};
    }
};

// Cut, Copy and Paste act on the focused text box, with their usual shortcuts, and rest while the box
// could not take them: nothing selected, an empty clipboard, a box the user may not change.
TEST_F(EditMenuTest, CutCopyAndPasteActOnTheFocusedTextBox) {
    load();
    EXPECT_EQ(act("Editmenu21")->shortcut(), QKeySequence(QKeySequence::Cut));
    EXPECT_EQ(act("Editmenu22")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(act("Editmenu23")->shortcut(), QKeySequence(QKeySequence::Paste));
    QApplication::clipboard()->clear();
    auto* box = new QLineEdit("Greens", main.get());
    box->show();
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    box->setFocus();
    EXPECT_EQ(enabled(), std::vector<bool>({false, false, false}));

    box->setSelection(0, 3);
    EXPECT_EQ(enabled(), std::vector<bool>({true, true, false}));
    act("Editmenu22")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Gre");
    EXPECT_EQ(enabled(), std::vector<bool>({true, true, true}));

    act("Editmenu21")->trigger();
    EXPECT_EQ(box->text(), "ens");
    box->setCursorPosition(3);
    act("Editmenu23")->trigger();
    EXPECT_EQ(box->text(), "ensGre");

    box->setReadOnly(true);
    box->selectAll();
    EXPECT_EQ(enabled(), std::vector<bool>({false, true, false}));
    box->setEchoMode(QLineEdit::Password);
    box->setSelection(0, 2);
    EXPECT_EQ(enabled(), std::vector<bool>({false, false, false}));
}

}  // namespace
}  // namespace quorval::gui
