#include "platform/fake/fake_platform.h"
#include "standins/notepad_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tandrel;

// Typed text that is not saved brings a question; the answer decides what is kept, and a save
// keeps the file's encoding and line ends.
TEST(NotepadWindow, AsksBeforeUnsavedTextGoes) {
    FakeMessageBoxes none;
    EXPECT_EQ(NotepadWindow(none).windowTitle(), "Untitled - Notepad");
    QTemporaryDir temp;
    const QString path = temp.filePath("notes.txt");
    const struct {
        Answer answer;
        bool closes;
        QByteArray before, after;
    } rows[] = {
        {Answer::Cancel, false, "old", "old"},
        {Answer::No, true, "old", "old"},
        {Answer::Yes, true, "old", "old new"},
        {Answer::Yes, true, "caf\xe9\r\nold", "caf\xe9\r\nold new"},
        {Answer::Yes, true, "caf\xc3\xa9\nold", "caf\xc3\xa9\nold new"},
        {Answer::Yes, true, "\xc2\xa0\xe2\x80\xa8old", "\xc2\xa0\xe2\x80\xa8old new"},
        {Answer::Yes, true, "a\rold", "a\rold new"},
        {Answer::Yes, true, "\xef\xbb\xbfold", "\xef\xbb\xbfold new"},
    };
    for (const auto& row : rows) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.before) == row.before.size());
        file.close();
        FakeMessageBoxes boxes;
        boxes.willAnswer(row.answer);
        NotepadWindow window(boxes, path);
        EXPECT_EQ(window.windowTitle(), "notes.txt - Notepad");
        QTest::keyClick(window.editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(window.editor(), " new");
        EXPECT_EQ(window.close(), row.closes);
        EXPECT_EQ(boxes.texts(), QStringList{"The text in the notes.txt file has changed.\n\n"
                                             "Do you want to save the changes?"});
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), row.after);
    }
}
