#include "editor_fixture.h"

#include <QAbstractButton>

using namespace tandrel;

namespace {

// A sample of the design table: every kind of control, with its caption and geometry; the
// captions with leading blanks or odd spacing, which are easy to lose.
const std::tuple<const char*, QString, QRect> designs[] = {
    {"Command1", "Test", {11520, 120, 615, 255}},
    {"Command3",
     "Press this bar to continue adding programming at bottom of existing lines.",
     {1800, 10320, 13215, 375}},
    {"Label1", "Create", {840, 120, 495, 195}},
    {"Label30", "X it (Quit)", {120, 5040, 1095, 255}},
    {"Label20", " Programs:", {0, 0, 2265, 435}},
    {"Text6", "       EXIT", {2280, 0, 12855, 375}},
    {"Option2", "Insert Keystrokes  - eg. {LEFT}", {1920, 3360, 2775, 255}},
    {"List2", "", {1800, 960, 12975, 9420}},
    {"Drive1", "", {6360, 2280, 3015, 315}},
};

} // namespace

TEST_F(WindowTest, ControlsCarryTheirDesignCaptionsAndGeometry) {
    for (const auto& [name, caption, t] : designs) {
        SCOPED_TRACE(name);
        QWidget* found =
            window->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(found, nullptr);
        QString shown;
        if (auto* button = qobject_cast<const QAbstractButton*>(found))
            shown = button->text();
        else if (auto* label = qobject_cast<const QLabel*>(found))
            shown = label->text();
        else if (auto* edit = qobject_cast<const QLineEdit*>(found))
            shown = edit->text();
        EXPECT_EQ(shown, caption);
        EXPECT_EQ(found->geometry(),
                  QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
    }
    EXPECT_EQ(window->size(), QSize(1016, 728));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tandrel"));
}

TEST_F(WindowTest, TheStartScreenOffersCreateHelpAndExit) {
    expectShown(window.get(), {"Picture1", "Text6", "Label1", "Label2", "Label19", "Label24"});
    // The help hint shows only once the index is clicked; at rest it would cover the program.
    expectHidden(window.get(), {"Command1", "Command2", "Command4", "Command8", "Command10",
                                "Command12", "List6", "Text9"});
    EXPECT_FALSE(window->Command9->isHidden() || window->Command9->isEnabled());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // The start screen's choices must stay clickable above the picture.
    for (QWidget* choice :
         std::initializer_list<QWidget*>{window->Label1, window->Label24, window->Text6})
        EXPECT_EQ(window->childAt(choice->geometry().center()), choice)
            << choice->objectName().toStdString();
    EXPECT_EQ(window->Picture1->pixmap().size(), QSize(1024, 768));
    // Exit and EXIT end the process through the platform.
    QTest::mouseClick(window->Label24, Qt::LeftButton);
    EXPECT_EQ(fake.processEnd.ends, 1);
    QTest::mouseClick(window->Text6, Qt::LeftButton);
    EXPECT_EQ(fake.processEnd.ends, 2);
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}

TEST_F(WindowTest, TabReachesNoControlOfTheEditor) {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (name == "List8" || name == "List9" || name == "Text9")
            continue;
        EXPECT_FALSE(child->focusPolicy() & Qt::TabFocus) << name.toStdString();
    }
}
