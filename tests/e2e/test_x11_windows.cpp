#include "qt_printers.h"
#include "target_window.h"
#include "x11_probe.h"
#include "x11_session.h"

#include "platform/x11/x11_windows.h"

namespace tandrel::e2e {
namespace {

// Activation by title, the same with and without a window manager.
template <typename Fixture> class WindowsTest : public Fixture {
public:
    X11Windows windows_{x11::openDisplay()};
    X11Probe probe_;

    // Activates by title and tells whose window got the focus; 0 when activation failed.
    qint64 activate(const QString& title) {
        const Status status = windows_.activate(title);
        return status ? probe_.focusedPid() : 0;
    }
};

class BareWindowsTest : public WindowsTest<BareX11Test> {};
class ManagedWindowsTest : public WindowsTest<ManagedX11Test> {};

template <typename Test> void choosesByExactTitleThenPrefixIgnoringCase(Test& test) {
    TargetWindow one(QStringLiteral("Target One"));
    TargetWindow two(QStringLiteral("Target Two"));
    TargetWindow twoLonger(QStringLiteral("Target Two Extra"));
    ASSERT_TRUE(one.started() && two.started() && twoLonger.started());
    struct Row {
        const char* title;
        const TargetWindow* expected;
    };
    const std::vector<Row> rows{
        {"Target One", &one},
        {"target two", &two}, // exact, though a longer title is on top
        {"TARGET TWO EXTRA", &twoLonger},
        {"target t", &twoLonger}, // prefix: the topmost of the two
        {"Target One", &one},
        {"target", &one}, // prefix: now the topmost of all three
        {"Target Two", &two},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        EXPECT_EQ(test.activate(QString::fromUtf8(row.title)), row.expected->pid());
        EXPECT_TRUE(
            row.expected->awaitRecord([](const TargetRecord& r) { return r.active; }).active);
    }
}

template <typename Test> void failsWhenNoTitleMatches(Test& test) {
    TargetWindow one(QStringLiteral("Target One"));
    ASSERT_TRUE(one.started());
    ASSERT_EQ(test.activate(QStringLiteral("Target One")), one.pid());
    for (const char* title : {"Nothing like it", "Target One and more", "arget One", ""}) {
        SCOPED_TRACE(title);
        EXPECT_FALSE(test.windows_.activate(QString::fromUtf8(title)));
        EXPECT_EQ(test.probe_.focusedPid(), one.pid());
    }
}

TEST_F(BareWindowsTest, ChoosesByExactTitleThenPrefixIgnoringCase) {
    choosesByExactTitleThenPrefixIgnoringCase(*this);
}

TEST_F(ManagedWindowsTest, ChoosesByExactTitleThenPrefixIgnoringCase) {
    choosesByExactTitleThenPrefixIgnoringCase(*this);
}

TEST_F(BareWindowsTest, FailsWhenNoTitleMatches) {
    failsWhenNoTitleMatches(*this);
}

TEST_F(ManagedWindowsTest, FailsWhenNoTitleMatches) {
    failsWhenNoTitleMatches(*this);
}

TEST_F(ManagedWindowsTest, ActivatesAWindowOfAnotherProcessByItsProcessId) {
    TargetWindow one(QStringLiteral("Target One"));
    TargetWindow two(QStringLiteral("Target Two"));
    ASSERT_TRUE(one.started() && two.started());
    EXPECT_TRUE(windows_.activateWindowOf(one.pid()));
    EXPECT_EQ(probe_.focusedPid(), one.pid());
    EXPECT_FALSE(windows_.activateWindowOf(999999));
    EXPECT_EQ(probe_.focusedPid(), one.pid());
}

TEST_F(BareWindowsTest, IgnoresWindowsThatAreNotShown) {
    TargetWindow shown(QStringLiteral("Shown Window"));
    ASSERT_TRUE(shown.started());
    probe_.createUnmappedWindow(QStringLiteral("Hidden Window"));
    EXPECT_FALSE(windows_.activate(QStringLiteral("Hidden Window")));
    EXPECT_EQ(activate(QStringLiteral("Shown Window")), shown.pid());
}

} // namespace
} // namespace tandrel::e2e
