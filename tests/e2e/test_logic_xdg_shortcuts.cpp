#include "platform/posix/xdg_shortcuts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tandrel {
namespace {

// The menu entry is named by the packaged entry's desktop-file id, so that it shadows it; the
// desktop entry keeps the program's name. Both start the given executable with the same icon.
TEST(XdgShortcuts, TheMenuEntryTakesThePackagedEntrysIdTheDesktopEntryTheName) {
    ASSERT_TRUE(QFile::exists(TANDREL_PACKAGING_DIR "/" + desktopFileId() + ".desktop"));
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("Desktop"));
    XdgShortcuts shortcuts(home.filePath("Desktop"), home.filePath("data/applications"));
    struct Row {
        ShortcutPlace place;
        QString file;
    };
    const std::vector<Row> rows{
        {ShortcutPlace::Desktop, "Desktop/Tandrel.desktop"},
        {ShortcutPlace::StartMenu, "data/applications/" + desktopFileId() + ".desktop"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(shortcuts.create(row.place, "Tandrel", "/a \"b\"/Tandrel.exe"));
        QFile file(home.filePath(row.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.file.toStdString();
        const QByteArray text = file.readAll();
        for (const QByteArray& line :
             {QByteArray("Name=Tandrel"), QByteArray(R"(Exec="/a \"b\"/Tandrel.exe")"),
              "Icon=" + desktopFileId().toUtf8()})
            EXPECT_TRUE(text.contains('\n' + line + '\n')) << text.toStdString();
    }
    for (const Row& row : rows) {
        EXPECT_TRUE(shortcuts.remove(row.place, "Tandrel"));
        EXPECT_FALSE(QFile::exists(home.filePath(row.file))) << row.file.toStdString();
    }
}

} // namespace
} // namespace tandrel
