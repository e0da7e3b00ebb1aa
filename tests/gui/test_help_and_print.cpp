#include "editor_fixture.h"

using namespace tandrel;

namespace {

const QString question = QStringLiteral(
    "YES to print your program - NO to print all help texts - CANCEL to abort print.");

QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QStringList indented(const QStringList& lines) {
    QStringList printed;
    for (const QString& line : lines)
        printed << QString(15, u' ') + line;
    return printed;
}

class HelpTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->LoadHelpManual();
    }
    void clickIndex(const QString& entry) {
        const auto found = window->List8->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << entry.toStdString();
        window->List8->setCurrentItem(found.first());
        window->List8_Click();
    }
};

} // namespace

TEST_F(HelpTest, GeometryFollowsTheFocus) {
    struct Case {
        const char* step;
        void (Tandrel::*handler)();
        QRect index;
        int textWidth;
    };
    const Case cases[] = {
        {"index gets the focus", &Tandrel::List8_GotFocus, twips(120, 3740, 3000, 2840), 11000},
        {"index loses it", &Tandrel::List8_LostFocus, twips(120, 5740, 1575, 840), 1575},
        {"text clicked", &Tandrel::List9_Click, twips(120, 5740, 1575, 840), 14000},
        {"text loses it", &Tandrel::List9_LostFocus, twips(120, 5740, 1575, 840), 1575},
    };
    for (const Case& c : cases) {
        (window.get()->*c.handler)();
        EXPECT_EQ(window->List8->geometry(), c.index) << c.step;
        EXPECT_EQ(window->List9->width(), c.textWidth / 15) << c.step;
    }
}

TEST_F(HelpTest, IndexClickSelectsTheTopicAfterLookingAhead) {
    struct Case {
        const char* entry;
        const char* selected; // nullptr: the selection stays where it was
    };
    const Case cases[] = {
        {"Create", "Create"},
        {"", "  CLICK ME"},
        {"Warranty", "Warranty:"},
        {"End of Index", nullptr},
    };
    for (const Case& c : cases) {
        window->List9->setCurrentRow(5);
        window->Text9->hide();
        QStringList visited;
        auto watch = QObject::connect(window->List9, &QListWidget::currentRowChanged, [&](int row) {
            visited << window->List9->item(row)->text();
        });
        clickIndex(QString::fromUtf8(c.entry));
        QObject::disconnect(watch);
        EXPECT_TRUE(window->Text9->isVisibleTo(window.get())) << c.entry;
        const QString expected =
            c.selected ? QString::fromUtf8(c.selected) : textsOf(window->List9)[5];
        EXPECT_EQ(window->List9->currentItem()->text(), expected) << c.entry;
        if (QByteArray(c.entry) == "Warranty") {
            EXPECT_EQ(visited, QStringList({"<< END OF HELPS >>", "Warranty:"}));
        }
    }
}

TEST_F(HelpTest, PrintsTheChosenListIndented) {
    struct Case {
        const char* name;
        Answer answer;
        QStringList program;
        bool manual; // the manual is the expected print
        int documents;
        QString failure = {}; // the printer's, when it does not accept the document
    };
    const Case cases[] = {
        Case("yes prints the program", Answer::Yes, {"{Run Program}/usr/bin/gedit", "a", ""}, false,
             1),
        Case("empty program ends an empty document", Answer::Yes, {}, false, 1),
        Case("no prints the manual", Answer::No, {"x"}, true, 1),
        Case("cancel prints nothing", Answer::Cancel, {"x"}, false, 0),
        Case("a failing printer", Answer::No, {}, true, 1,
             "the printer \"pdf\" did not accept the job."),
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        Tandrel window(fake.platform());
        window.LoadHelpManual();
        window.List2->addItems(c.program);
        fake.messages.willAnswer(c.answer);
        if (!c.failure.isEmpty())
            fake.printer.endResult = Status::failure(c.failure);
        window.Command12_Click();
        QStringList messages = {question};
        if (!c.failure.isEmpty())
            messages << "Nothing was printed: " + c.failure;
        ASSERT_EQ(fake.messages.texts(), messages) << c.name;
        EXPECT_EQ(fake.messages.asked.first().buttons, Buttons::YesNoCancel) << c.name;
        const QStringList expected = c.manual                  ? indented(textsOf(window.List9))
                                     : c.answer == Answer::Yes ? indented(c.program)
                                                               : QStringList{};
        EXPECT_EQ(fake.printer.lines, expected) << c.name;
        EXPECT_EQ(fake.printer.documents, c.documents) << c.name;
        if (!fake.printer.lines.isEmpty()) {
            EXPECT_EQ(std::pair(fake.printer.fontSize, fake.printer.bold), std::pair(8, false))
                << c.name;
        }
    }
}

// A click that arrives while a document is being sent waits for it instead of mixing lines.
TEST_F(HelpTest, SecondClickDuringPrintingGivesASecondDocument) {
    window->List2->addItems({"a", "b"});
    fake.messages.willAnswer(Answer::Yes);
    fake.messages.willAnswer(Answer::Yes);
    bool clickedAgain = false;
    fake.messages.whileShown = [&](const AskedBox&) {
        if (!clickedAgain) {
            clickedAgain = true;
            QMetaObject::invokeMethod(
                window.get(), [this] { window->Command12_Click(); }, Qt::QueuedConnection);
        }
    };
    window->Command12_Click();
    EXPECT_EQ(fake.printer.documents, 2);
    EXPECT_EQ(fake.printer.lines, indented({"a", "b", "a", "b"}));
}
