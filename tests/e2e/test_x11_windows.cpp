#include "qt_printers.h"
#include "x11_session.h"

#include "platform/x11/x11_windows.h"

namespace tandrel::e2e {
namespace {

// Activation by title, the same with and without a window manager.
template <typename Fixture> class WindowsTest : public Fixture {
public:
    X11Windows windows_{x11::openDisplay()};
    X11Probe probe_;
};

using Sessions = ::testing::Types<BareX11Test, ManagedX11Test>;
TYPED_TEST_SUITE(WindowsTest, Sessions);

TYPED_TEST(WindowsTest, ChoosesByExactTitleThenPrefixIgnoringCaseAndFailsWithoutAMatch) {
    TargetWindow one(QStringLiteral("Target One"));
    TargetWindow two(QStringLiteral("Target Two"));
    TargetWindow twoLonger(QStringLiteral("Target Two Extra"));
    ASSERT_TRUE(one.started() && two.started() && twoLonger.started());
    const std::vector<std::pair<const char*, const TargetWindow*>> rows{
        {"target two", &two}, // exact, though a longer title is on top
        {"Target One", &one},
        {"target", &one}, // prefix: the topmost of all three
        {"Target One and more", nullptr},
        {"arget One", nullptr},
    };
    qint64 focused = 0;
    for (const auto& [title, expected] : rows) {
        SCOPED_TRACE(title);
        EXPECT_EQ(bool(this->windows_.activate(QString::fromUtf8(title))), expected != nullptr);
        if (expected) {
            focused = expected->pid();
            EXPECT_TRUE(
                expected->awaitRecord([](const TargetRecord& r) { return r.active; }).active);
        }
        // A failed activation leaves the focus where it was.
        EXPECT_EQ(this->probe_.focusedPid(), focused);
    }
}

using ManagedWindowsTest = WindowsTest<ManagedX11Test>;

TEST_F(ManagedWindowsTest, ActivatesAWindowOfAnotherProcessByItsProcessId) {
    TargetWindow one(QStringLiteral("Target One"));
    TargetWindow two(QStringLiteral("Target Two"));
    ASSERT_TRUE(one.started() && two.started());
    EXPECT_TRUE(windows_.activateWindowOf(one.pid()));
    EXPECT_TRUE(probe_.awaitFocusedPid(one.pid()));
    EXPECT_FALSE(windows_.activateWindowOf(999999));
    EXPECT_EQ(probe_.focusedPid(), one.pid());
}

using BareWindowsTest = WindowsTest<BareX11Test>;

TEST_F(BareWindowsTest, IgnoresWindowsThatAreNotShown) {
    TargetWindow shown(QStringLiteral("Shown Window"));
    ASSERT_TRUE(shown.started());
    probe_.createUnmappedWindow(QStringLiteral("Hidden Window"));
    EXPECT_FALSE(windows_.activate(QStringLiteral("Hidden Window")));
    ASSERT_TRUE(windows_.activate(QStringLiteral("Shown Window")));
    EXPECT_EQ(probe_.focusedPid(), shown.pid());
}

} // namespace
} // namespace tandrel::e2e
