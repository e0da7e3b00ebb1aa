#pragma once

#include "platform/platform.h"
#include "window/click_widgets.h"
#include "window/globals.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <optional>

namespace tandrel {

// Program list and dialogs: helpers
enum class SpecialFunction : int;
struct ListChoice;

// The one main window: editor and runner. Controls keep their kind-and-number names and the
// handlers their control-and-event names; each subsystem folder defines its own handlers.
class Tandrel : public QWidget {
    Q_OBJECT
public:
    explicit Tandrel(Platform platform, QWidget* parent = nullptr);

    Platform platform;
    Globals globals;
    // The raw command-line argument as main() hands it over: argv[1..] joined by blanks.
    QString processArgument;

    // Buttons.
    QPushButton* Command1;  // Test
    QPushButton* Command2;  // Save / OK
    QPushButton* Command3;  // the bar under the program
    QPushButton* Command4;  // Insert into program
    QPushButton* Command5;  // Don't use this option here
    QPushButton* Command6;  // Save File / Open File
    QPushButton* Command7;  // Do Not Save Yet / Cancel
    QPushButton* Command8;  // Run From Command Line / Cancel This Edit
    QPushButton* Command9;  // UNDO
    QPushButton* Command10; // RENAME FILE
    QPushButton* Command11; // CANCEL
    QPushButton* Command12; // Print

    // Labels; those that act as buttons report clicks.
    ClickLabel* Label1; // Create
    ClickLabel* Label2; // Run
    QLabel* Label3;     // spaced heading over the special functions
    QLabel* Label4;     // prompt over the program
    ClickLabel* Label5; // Timer - Days
    ClickLabel* Label6;
    ClickLabel* Label7;
    ClickLabel* Label8;
    ClickLabel* Label9;
    ClickLabel* Label10;
    ClickLabel* Label11;
    ClickLabel* Label12;
    QLabel* Label13; // save panel prompt
    ClickLabel* Label14;
    ClickLabel* Label15;
    ClickLabel* Label16;
    ClickLabel* Label17;
    ClickLabel* Label18;
    ClickLabel* Label19; // Edit
    QLabel* Label20;     // " Programs:"
    QLabel* Label21;     // dialog panel prompt
    ClickLabel* Label22;
    ClickLabel* Label23;
    ClickLabel* Label24; // Exit
    QLabel* Label25;     // program path
    ClickLabel* Label26; // Timer - Date
    ClickLabel* Label27;
    QLabel* Label28;     // question beside the option buttons
    ClickLabel* Label30; // X it (Quit)

    // Text boxes.
    ClickLineEdit* Text1;  // "Type Key ->"
    ClickLineEdit* Text2;  // typing field
    ClickLineEdit* Text3;  // dialog field
    ClickLineEdit* Text4;  // "FILES"
    ClickLineEdit* Text5;  // save path
    ClickLineEdit* Text6;  // "EXIT"
    ClickLineEdit* Text7;  // edit field
    ClickLineEdit* Text8;  // cover box
    QPlainTextEdit* Text9; // help hint
    ClickLineEdit* Text10; // time field
    ClickLineEdit* Text11; // new file name

    // Lists.
    QListWidget* List1; // week days
    QListWidget* List2; // the program
    QListWidget* List3; // months
    QListWidget* List4; // years
    QListWidget* List5; // days
    QListWidget* List6; // undo copy, never shown
    QListWidget* List7; // file-action menu
    QListWidget* List8; // help index
    QListWidget* List9; // help text

    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Picture1; // splash picture

    // Main window.
    void Label24_Click();
    void Text6_Click();

    // Runner and run errors.
    void Command1_Click();

    // Start-up: runs once before the event loop and returns when the start screen is left.
    void Form_Load();
    void CheckScreenResolution();
    // The running program's own executable, which installing copies into the home directory.
    QString executablePath = QStringLiteral("/proc/self/exe");

    // Starting a run from the command line.
    void RunFromCommandLine();
    // Help manual.
    void LoadHelpManual();
    // File selection panel: pointing the lists somewhere raises their change handlers, as a
    // user's choice does ("C:", "C:\\TANDREL\\PROGRAMS\\").
    void pointDriveList(const QString& drive);
    void changeDrive(bool userChoice);
    bool usableFileName(const QString& name);
    void pointDirectoryList(const QString& path);

    // File selection panel, saving, opening and starting a run.
    void Drive1_Change();
    void Dir1_Click();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Text5_Click();
    void Command2_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Label2_Click();
    void Label19_Click();
    void ShowProgramPanel();
    void connectFilePanel();
    // The file-action menu: rename or delete a file of the file list.
    void File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void List7_Click();
    void Command10_Click();
    void Command11_Click();
    void connectFileActions();
    void fillDriveList();
    void refreshDirectoryList();
    void refreshFileList();
    void fillDirectoryList(const QList<DirectoryEntry>& entries);
    void fillFileList(const QList<DirectoryEntry>& entries);
    void composeFieldsForDirectory(); // the dialog and save fields after a directory change
    void saveProgram();
    void openProgram();
    void startChosenRun();
    QString dir1Path;          // the directory the directory and file lists show
    QString dir1SelectedDrive; // the drive the drive list shows

    // Program list, insertion point, Create and one-click lines.
    void InsertPendingLine();
    void SaveUndoCopy();
    void Command3_Click();
    void List2_Click();
    void Label1_Click();
    void Label8_Click();
    void Label9_Click();
    void Label22_Click();
    void Label30_Click();

    // Dialog panel, special-function buttons and timers.
    void Command4_Click();
    void Command5_Click();
    void Text3_Click();
    void Text3_KeyUp(int keyCode);
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    void Label14_Click();
    void Label15_Click();
    void Label16_Click();
    void Label17_Click();
    void Label18_Click();
    void Label23_Click();
    void Label26_Click();
    void Label27_Click();

private:
    // Start-up.
    void pointPanelAtPrograms();
    void waitOnStartScreen();
    // Runner: helpers.
    enum class LineOutcome { Next, StartAgain, EndProcess, Failed };
    struct LineResult {
        LineOutcome outcome = LineOutcome::Next;
        QString reason; // why a line failed
    };
    LineResult PerformLine(const QString& line);
    LineResult WaitForFile(const QString& path);
    LineResult WaitForClipboard(const QString& expected);
    LineResult WaitForDate(const QString& line);
    LineResult WaitForDays(const QString& line);
    LineResult PasteText(const QString& text, const QString& emptyReason);
    LineResult StopBox(const QString& message);
    Status SendKeys(const QString& keys);
    Status FocusOn(const QString& title);
    // When the run last started a program, on the monotonic clock.
    std::optional<qint64> programStartedMs;
    void AwaitActivation();
    void ShowRunError(int index, const QString& line, const QString& reason);
    void CloseRun();
    // Where keys cannot reach every window, the first key line of the process says so once.
    bool keysLimitationTold = false;

    void buildControls();
    void showStartScreen();
    void connectMainWindow();
    void connectRunner();
    void connectEditor();
    void connectDialogs();

    // Program list and dialogs: helpers
    int selectedLine() const;
    void selectLine(int index);
    void bringEndIntoView();
    void returnToTyping();
    void leaveStartPrompt();
    void insertBareLine(const QString& token);
    void setPromptPointSize(qreal points);
    void openDialogPanel();
    void openSpecialFunction(SpecialFunction function);
    void hideDialogPanel();
    QList<ListChoice> choicesOf(const QListWidget* list) const;
    void fillTimeField();
    void CloseFilePanel();
    // A commit is in its pause; a second press of Insert or OK then must not commit the
    // emptied fields over the line just inserted.
    bool committing = false;
    // The full path of the file the file-action menu was opened on.
    QString actionFilePath;

    // Help manual browsing and printing.
public:
    void List8_Click();
    void List8_GotFocus();
    void List8_LostFocus();
    void List9_Click();
    void List9_LostFocus();
    void Command12_Click();

private:
    void connectHelp();
    void restHelpGeometry();
    void printLines(const QListWidget* list);
    bool printInProgress = false;
    int printClicksWaiting = 0;

    // Keyboard capture, modifier-key dialogs, deleting, editing and undo.
public:
    void Text2_KeyDown(int keyCode);
    void Text2_KeyUp(int keyCode);
    void Text2_Change();
    void Text2_GotFocus();
    void Text3_KeyDown(int keyCode);
    void ShowAltDialog();
    void ShowCtrlDialog();
    void ShowShiftDialog();
    void RestoreTypingFocus();
    void Option1_Click();
    void Option2_Click();
    void List2_DblClick();
    void List2_GotFocus();
    void Command9_Click();

private:
    void connectKeyboardAndEditing();
    void recordKey(int keyCode);
    // Whether the sequence's full stop came back.
    bool runF10Sequence();
    void runDialogAltSequence();
    void openModifierDialog(const QString& key);
    void switchOn(QRadioButton* option);
    void hideEditDisplay();
    // Enter keys the dialog field has received, so that the two sent by its Alt sequence are
    // known to have arrived before keys are recorded again.
    int dialogEntersSeen = 0;
};

} // namespace tandrel
