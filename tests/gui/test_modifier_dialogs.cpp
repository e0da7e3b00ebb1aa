#include "editor_fixture.h"

using namespace tandrel;

namespace {

using enum Qt::Key;

class DialogFieldTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
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
         {{Key_A, Qt::ShiftModifier}, {Key_B, Qt::ShiftModifier}, {Key_Backspace}},
         "{ALT}AB{BACKSPACE}"},
        {"each Shift press is recorded", true, {{Key_Shift}, {Key_X}}, "{ALT}{SHIFT}x"},
        {"Enter, Esc and the other named keys are recorded; Pause has no token",
         true,
         {{Key_Return}, {Key_Escape}, {Key_Tab}, {Key_Control}, {Key_NumLock}, {Key_Pause}},
         "{ALT}{ENTER}{ESC}{TAB}{CTRL}{NUMLOCK}"},
        {"F5, and a held arrow appends one token per repeat",
         true,
         {{Key_F5}, {Key_Down}, {Key_Down, {}, Stroke::Repeat}},
         "{ALT}{F5}{DOWN}{DOWN}"},
        {"Backspace acts normally", false, {{Key_Backspace}, {Key_Return}}, "{ALT"},
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
    type({{Key_Backspace}});
    EXPECT_TRUE(window->Option1->isChecked());
    EXPECT_EQ(window->Text3->text(), "{ALT");
}

TEST_F(DialogFieldTest, AltPassesThroughNormalKeysWhileItsEntersArrive) {
    window->Option2->setChecked(true);
    QList<bool> normalDuringWaits;
    fake.clock.onWait = [&] { normalDuringWaits << window->Option1->isChecked(); };
    type({{Key_Alt}});
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
