#include "keyboard_fixture.h"

using namespace tandrel;

namespace {

class DialogFieldTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        window->Label1_Click();
        window->Text3->setText("{ALT}");
        window->ShowAltDialog();
    }
};

} // namespace

TEST_F(DialogFieldTest, KeysActOrAreRecordedAsTheOptionsSay) {
    struct Row {
        const char* reason;
        bool recording;
        QList<Stroke> strokes;
        QString expectedField;
    };
    const QList<Row> rows = {
        {"letters type, Backspace's token loses its blank",
         true,
         {{Qt::Key_A, Qt::ShiftModifier}, {Qt::Key_B, Qt::ShiftModifier}, {Qt::Key_Backspace}},
         "{ALT}AB{BACKSPACE}"},
        {"each Shift press is recorded", true, {{Qt::Key_Shift}, {Qt::Key_X}}, "{ALT}{SHIFT}x"},
        {"Enter, Esc, Tab, an arrow and F5 are recorded",
         true,
         {{Qt::Key_Return}, {Qt::Key_Escape}, {Qt::Key_Tab}, {Qt::Key_Left}, {Qt::Key_F5}},
         "{ALT}{ENTER}{ESC}{TAB}{LEFT}{F5}"},
        {"a held arrow appends one token per repeat",
         true,
         {{Qt::Key_Down}, {Qt::Key_Down, {}, Stroke::Repeat}},
         "{ALT}{DOWN}{DOWN}"},
        {"Backspace acts normally", false, {{Qt::Key_Backspace}, {Qt::Key_Return}}, "{ALT"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        window->Text3->setText("{ALT}");
        (row.recording ? window->Option2 : window->Option1)->setChecked(true);
        window->RestoreTypingFocus();
        type(row.strokes);
        EXPECT_EQ(window->Text3->text(), row.expectedField);
        // Neither Enter nor Esc commits or closes the panel.
        EXPECT_FALSE(window->Command4->isHidden());
        EXPECT_EQ(window->List2->count(), 0);
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
    }
}

TEST_F(DialogFieldTest, TheFirstKeyChoosesNormalKeys) {
    ASSERT_FALSE(window->Option1->isChecked() || window->Option2->isChecked());
    type({{Qt::Key_Backspace}});
    EXPECT_TRUE(window->Option1->isChecked());
    EXPECT_EQ(window->Text3->text(), "{ALT");
}

TEST_F(DialogFieldTest, AltPassesThroughNormalKeysWhileItsEntersArrive) {
    window->Option2->setChecked(true);
    QList<bool> normalDuringWaits;
    fake.clock.onWait = [&] { normalDuringWaits << window->Option1->isChecked(); };
    type({{Qt::Key_Alt}});
    EXPECT_EQ(fake.keystrokes.sent, QStringList{"~~"});
    EXPECT_EQ(window->Text3->text(), "{ALT}{ALT}");
    EXPECT_EQ(normalDuringWaits, QList<bool>({true, true}));
    EXPECT_TRUE(window->Option2->isChecked());
    EXPECT_EQ(fake.clock.waitedMs, 300);
}

TEST_F(DialogFieldTest, AnOptionClickedWhileThePanelIsClosedReturnsToTyping) {
    window->Command5_Click();
    QTest::mouseClick(window->Option2, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window->Text2);
}
