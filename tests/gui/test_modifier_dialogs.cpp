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
        QRadioButton* Tandrel::*option; // none: the first key chooses normal keys
        QList<Stroke> strokes;
        QString expectedField;
        const char* reason;
    };
    const Row rows[] = {
        Row(nullptr, {{Key_Backspace}}, "{ALT", "no option yet: normal keys"),
        Row(&Tandrel::Option2,
            {{Key_A, Qt::ShiftModifier}, {Key_B, Qt::ShiftModifier}, {Key_Backspace}},
            "{ALT}AB{BACKSPACE}", "letters type, Backspace's token loses its blank"),
        Row(&Tandrel::Option2, {{Key_Shift}, {Key_X}}, "{ALT}{SHIFT}x",
            "each Shift press is recorded"),
        Row(&Tandrel::Option2,
            {{Key_Return}, {Key_Escape}, {Key_Tab}, {Key_Control}, {Key_NumLock}, {Key_Pause}},
            "{ALT}{ENTER}{ESC}{TAB}{CTRL}{NUMLOCK}", "named keys are recorded; Pause has no token"),
        Row(&Tandrel::Option2, {{Key_F5}, {Key_Down}, {Key_Down, {}, Stroke::Repeat}},
            "{ALT}{F5}{DOWN}{DOWN}", "F5, and a held arrow appends one token per repeat"),
        Row(&Tandrel::Option1, {{Key_Backspace}, {Key_Return}}, "{ALT", "Backspace acts normally"),
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        window->Text3->setText("{ALT}");
        if (row.option)
            (window.get()->*row.option)->setChecked(true);
        else
            ASSERT_FALSE(window->Option1->isChecked() || window->Option2->isChecked());
        window->RestoreTypingFocus();
        type(row.strokes);
        EXPECT_EQ(window->Text3->text(), row.expectedField);
        EXPECT_EQ(window->Option1->isChecked(), row.option != &Tandrel::Option2);
        // Neither Enter nor Esc commits or closes the panel.
        EXPECT_FALSE(window->Command4->isHidden());
        EXPECT_EQ(window->List2->count(), 0);
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
    }
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
