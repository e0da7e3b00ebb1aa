#include "editor_fixture.h"

using namespace tandrel;

namespace {

QStringList indented(const QStringList& lines) {
    QStringList printed;
    for (const QString& line : lines)
        printed << QString(15, u' ') + line;
    return printed;
}

} // namespace

TEST_F(WindowTest, HelpGeometryFollowsTheFocusAndTheIndexSelectsTheTopicAfterLookingAhead) {
    window->LoadHelpManual();
    const QRect rest(120 / 15, 5740 / 15, 1575 / 15, 840 / 15);
    // The handler, the index's geometry and the text's width in twips after it.
    const std::tuple<void (Tandrel::*)(), QRect, int> steps[] = {
        {&Tandrel::List8_GotFocus, {120 / 15, 3740 / 15, 3000 / 15, 2840 / 15}, 11000},
        {&Tandrel::List8_LostFocus, rest, 1575},
        {&Tandrel::List9_Click, rest, 14000},
        {&Tandrel::List9_LostFocus, rest, 1575},
    };
    for (const auto& [handler, index, textWidth] : steps) {
        (window.get()->*handler)();
        EXPECT_EQ(window->List8->geometry(), index) << textWidth;
        EXPECT_EQ(window->List9->width(), textWidth / 15) << textWidth;
    }
    // Near the end the look-ahead stops at the last line; an entry without a topic moves nothing.
    const std::pair<QString, QStringList> rows[] = {
        {"Warranty", {"<< END OF HELPS >>", "Warranty:"}},
        {"End of Index", {}},
    };
    for (const auto& [entry, visits] : rows) {
        window->List9->setCurrentRow(5);
        window->Text9->hide();
        QStringList visited;
        auto watch = QObject::connect(window->List9, &QListWidget::currentRowChanged, [&](int row) {
            visited << window->List9->item(row)->text();
        });
        selectEntry(window->List8, entry);
        window->List8_Click();
        QObject::disconnect(watch);
        EXPECT_TRUE(window->Text9->isVisibleTo(window.get()) && visited == visits)
            << entry.toStdString() << ": " << visited.join('|').toStdString();
    }
}

TEST(Print, PrintsTheChosenListIndented) {
    const struct {
        const char* name;
        Answer answer;
        QStringList program;
        QString failure = {};    // the printer's, when it does not accept the document
        bool clickAgain = false; // while the question is up, which waits for the first document
        bool deleteLast = false; // the user deletes the last line while the first one prints
    } cases[] = {
        {"yes prints the program", Answer::Yes, {"{Run Program}/usr/bin/gedit", "a", ""}},
        {"empty program ends an empty document", Answer::Yes, {}},
        {"cancel prints nothing", Answer::Cancel, {"x"}},
        {"no: the manual, to a failing printer", Answer::No, {"x"}, "it did not accept the job."},
        {"a second click gives a second document", Answer::Yes, {"a", "b"}, {}, true},
        {"a line deleted mid-print is not printed", Answer::Yes, {"a", "b", "c"}, {}, false, true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        Tandrel window(fake.platform());
        window.LoadHelpManual();
        window.List2->addItems(c.program);
        const int clicks = c.clickAgain ? 2 : 1;
        for (int click = 0; click < clicks; ++click)
            fake.messages.willAnswer(c.answer);
        if (!c.failure.isEmpty())
            fake.printer.endResult = Status::failure(c.failure);
        fake.messages.whileShown = [&, again = c.clickAgain](const AskedBox&) mutable {
            if (std::exchange(again, false))
                QMetaObject::invokeMethod(
                    &window, [&] { window.Command12_Click(); }, Qt::QueuedConnection);
        };
        if (c.deleteLast)
            fake.printer.onLine = [&] { delete window.List2->takeItem(window.List2->count() - 1); };
        window.Command12_Click();
        SCOPED_TRACE(c.name);
        QStringList messages(clicks, "YES to print your program - NO to print all help texts");
        if (!c.failure.isEmpty())
            messages << "Nothing was printed: " + c.failure;
        ASSERT_EQ(cutTo(fake.messages.texts(), messages), messages);
        EXPECT_EQ(fake.messages.asked.first().buttons, Buttons::YesNoCancel);
        const QStringList expected =
            c.answer == Answer::No    ? indented(textsOf(window.List9))
            : c.answer == Answer::Yes ? indented(c.program.mid(0, c.program.size() - c.deleteLast))
                                      : QStringList{};
        EXPECT_EQ(fake.printer.lines, c.clickAgain ? expected + expected : expected);
        EXPECT_EQ(fake.printer.documents, c.answer == Answer::Cancel ? 0 : clicks);
        if (!fake.printer.lines.isEmpty()) {
            EXPECT_EQ(std::pair(fake.printer.fontSize, fake.printer.bold), std::pair(8, false));
        }
    }
}
