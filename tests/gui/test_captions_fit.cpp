#include "editor_fixture.h"
#include "window/caption_fit.h"

#include <functional>

using namespace tandrel;

TEST_F(WindowTest, EveryFixedTextFitsItsControlInEveryMode) {
    QDir().mkpath(onC("TANDREL/PROGRAMS"));
    writeFile(onC("TANDREL/PROGRAMS/SAMPLE.TDX"), "abc\r\n");
    // The window's own font, then the default face that stands in where the design's is missing.
    for (const QString& missing : {QString(), QStringLiteral("No Such Face")}) {
        SCOPED_TRACE(missing.toStdString());
        window = std::make_unique<Tandrel>(fake.platform());
        Tandrel& w = *window;
        if (!missing.isEmpty()) {
            w.setFont(designFont({missing}));
            narrowUntilCaptionsFit(&w);
        }
        w.globals.HomeDir = QStringLiteral("C:\\TANDREL\\PROGRAMS\\");
        w.show();
        w.LoadHelpManual();
        // The help lists are read at rest only as far as the table says: the index is "the
        // red button" of three rows, the text's lines are whole once it is clicked and wide.
        const QMap<QString, int> rest = {{"List8", 3}, {"List9", 0}};
        QList<std::tuple<QString, std::function<void()>, QMap<QString, int>>> modes = {
            {"start screen", [] {}, rest},
            {"editor",
             [&] { w.Label1_Click(), w.globals.PendingLine = "Hi", w.InsertPendingLine(); }, rest},
            {"line edit", [&] { w.List2->setCurrentRow(0), w.List2_Click(), w.List2_Click(); },
             rest},
            {"Alt dialog", [&] { w.Command8_Click(), w.ShowAltDialog(); }, rest},
            {"save panel", [&] { w.Command5_Click(), w.Command2_Click(); }, rest},
            {"file-action menu",
             [&] {
                 selectEntry(w.File1, "SAMPLE.TDX"), w.File1_MouseDown(Qt::RightButton, {}, 0, 0);
             },
             rest},
            {"rename", [&] { w.List7->setCurrentRow(1), w.List7_Click(); }, rest},
            {"open chooser", [&] { w.Command11_Click(), w.Command7_Click(), w.Label19_Click(); },
             rest},
            {"help index", [&] { w.Command7_Click(), w.List8_GotFocus(); }, {{"List9", 0}}},
            {"help topic", [&] { w.List8->setCurrentRow(5), w.List8_Click(); }, {{"List9", 0}}},
            {"help text", [&] { w.List8_LostFocus(), w.List9_Click(); }, {{"List8", 3}}},
        };
        for (ClickLabel* button :
             {w.Label5, w.Label6, w.Label7, w.Label10, w.Label11, w.Label12, w.Label14, w.Label15,
              w.Label16, w.Label17, w.Label18, w.Label23, w.Label26, w.Label27})
            modes.insert(
                4, {button->text(), [&w, button] { w.Command5_Click(), button->clicked(); }, rest});
        for (const auto& [mode, step, rowsRead] : modes) {
            step();
            QApplication::processEvents();
            QStringList clipped = clippedTexts(&w, rowsRead);
            // While it has the focus the index grows over the special-function column.
            clipped.removeAll(R"(Label22: "Start Again" lies under List8)");
            EXPECT_EQ(clipped, QStringList()) << mode.toStdString();
        }
    }
}
