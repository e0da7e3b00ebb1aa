// Builds the window's controls with their design captions, tooltips, geometry and the
// visibility of the start screen.

#include "window/caption_fit.h"
#include "window/colours.h"
#include "window/splash_picture.h"
#include "window/tandrel.h"

#include <QFont>
#include <QStyledItemDelegate>

namespace tandrel {

namespace {

// Lays out and paints at most the beginning of a program line: a line of megabytes would
// otherwise be shaped whole at every layout of the list. The program keeps the whole line.
class ShortenedLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        constexpr qsizetype shownCharacters = 2000;
        if (option->text.size() > shownCharacters)
            option->text = option->text.left(shownCharacters) + QChar(0x2026);
    }
};

// Design geometry is in twips: 15 to a pixel at 96 dots per inch.
QRect fromTwips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

template <typename Control> Control* place(QWidget* parent, const char* name, QRect geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QString& tooltip = {}) {
    auto* control = place<QPushButton>(parent, name, geometry);
    control->setText(caption);
    control->setToolTip(tooltip);
    control->setFocusPolicy(Qt::ClickFocus);
    return control;
}

ClickLabel* labelButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QString& tooltip) {
    auto* control = place<ClickLabel>(parent, name, geometry);
    control->setText(caption);
    control->setToolTip(tooltip);
    control->setCursor(Qt::PointingHandCursor);
    control->setAutoFillBackground(true);
    return control;
}

ClickLineEdit* textBox(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* control = place<ClickLineEdit>(parent, name, geometry);
    control->setText(text);
    control->setFocusPolicy(Qt::ClickFocus);
    return control;
}

QListWidget* listBox(QWidget* parent, const char* name, QRect geometry) {
    auto* control = place<QListWidget>(parent, name, geometry);
    control->setFocusPolicy(Qt::ClickFocus);
    return control;
}

// The special-function column, top to bottom; one button every 240 twips from 960.
struct ColumnEntry {
    ClickLabel* Tandrel::*control;
    const char* name;
    const char* caption;
    const char* tooltip;
};

const ColumnEntry specialFunctionColumn[] = {
    {&Tandrel::Label9, "Label9", "Clip - Clear", "Clear the clipboard."},
    {&Tandrel::Label8, "Label8", "Clip - Paste", "Paste the contents of the clipboard."},
    {&Tandrel::Label7, "Label7", "Clip - Wait For", "Wait for a certain string in the clipboard."},
    {&Tandrel::Label10, "Label10", "File - Copy", "Copy a file to another directory."},
    {&Tandrel::Label11, "Label11", "File - Erase", "Erase a file."},
    {&Tandrel::Label12, "Label12", "File - Paste",
     "Paste the contents of the file into a program window."},
    {&Tandrel::Label14, "Label14", "File - Rename", "Rename a file"},
    {&Tandrel::Label15, "Label15", "File - Wait For", "Wait for the existence of a file."},
    {&Tandrel::Label17, "Label17", "Focus On",
     "Focus on a window.  Must be used prior to sending keys to a window."},
    {&Tandrel::Label27, "Label27", "Notations",
     "Allows you to make notes in your program for your reference which have no programming "
     "effect."},
    {&Tandrel::Label16, "Label16", "Run Program", "Run a program."},
    {&Tandrel::Label22, "Label22", "Start Again",
     "Restarts your program.  Used as the last line if you desire a loop."},
    {&Tandrel::Label6, "Label6", "Stop - 'Til",
     "Pause until a key is pressed.  A message may be included.  May include stop altogether "
     "rather than pause."},
    {&Tandrel::Label23, "Label23", "Text Paste", "Pastes text you specify into the active window."},
    {&Tandrel::Label5, "Label5", "Timer - Days",
     "You select the week day or days, and the time for the program to continue after this "
     "point."},
    {&Tandrel::Label26, "Label26", "Timer - Date",
     "You select the year, month, day and the time for the program to continue after this "
     "point."},
    {&Tandrel::Label18, "Label18", "Wait/Pause",
     "Wait a number of 10ths of a second.  10 = 1 sec, 600 = 1 minute (may be used as a pause)"},
    {&Tandrel::Label30, "Label30", "X it (Quit)",
     "Closes your Tandrel program. - You generally use this at the end of each program you "
     "write."},
};

} // namespace

void Tandrel::buildControls() {
    setWindowTitle(applicationTitle);
    resize(fromTwips(0, 0, 15240, 10920).size());
    setFont(designFont());

    // Created first so that the list and the panels stack above them: they matter only while
    // the dialog panel has taken the list's place.
    Label28 = place<QLabel>(this, "Label28", fromTwips(1920, 2280, 2775, 855));
    Label28->setText(QStringLiteral("  How do you currently want special        keys to function "
                                    "during this edit:               (1)  Their normal keyboard "
                                    "function        (2)   Insert them as keystrokes"));
    Label28->setWordWrap(true);
    Option1 = place<QRadioButton>(this, "Option1", fromTwips(1920, 3120, 2775, 255));
    Option1->setText(QStringLiteral("Let Keys Function - eg. move left"));
    Option2 = place<QRadioButton>(this, "Option2", fromTwips(1920, 3360, 2775, 255));
    Option2->setText(QStringLiteral("Insert Keystrokes  - eg. {LEFT}"));
    Option1->setFocusPolicy(Qt::ClickFocus);
    Option2->setFocusPolicy(Qt::ClickFocus);

    Command12 = button(this, "Command12", QStringLiteral("Print"), fromTwips(10800, 120, 615, 255),
                       QStringLiteral("Prints the program you are currently working on using the "
                                      "default printer."));
    Command1 = button(this, "Command1", QStringLiteral("Test"), fromTwips(11520, 120, 615, 255),
                      QStringLiteral("Test your program by running it right now.  You may test a "
                                     "program before it is finished.  Testing often makes "
                                     "finding mistakes much easier."));
    Command2 = button(this, "Command2", QStringLiteral("Save"), fromTwips(12240, 120, 615, 255),
                      QStringLiteral("Saves your program defaulting to the C:\\TANDREL\\PROGRAMS\\ "
                                     "directory.  This directory is essential if you want to run "
                                     "your programs from the command line."));
    Command8 = button(this, "Command8", QStringLiteral("Run From Command Line"),
                      fromTwips(12960, 120, 2055, 255),
                      QStringLiteral("This option explains how to use a command line statement to "
                                     "run any program you write from any other program capable of "
                                     "launching a windows program."));

    Label25 = place<QLabel>(this, "Label25", fromTwips(3480, 120, 6015, 255));
    Label20 = place<QLabel>(this, "Label20", fromTwips(0, 0, 2265, 435));
    Label20->setText(QStringLiteral(" Programs:"));

    // Widened to the window's edge: no 8-point face writes the caption in the width beside
    // the typing field with a text box's frame around it.
    Text1 = textBox(this, "Text1", QStringLiteral("Type Key ->"), fromTwips(0, 480, 975, 285));
    Text1->setReadOnly(true);
    Text1->setCursorPosition(0);
    Text2 = textBox(this, "Text2", QString(), fromTwips(960, 480, 375, 285));
    Label4 = place<QLabel>(this, "Label4", fromTwips(1800, 480, 13215, 495));
    Label4->setText(QStringLiteral("Begin Typing Your Program or Select A File To Edit or Run."));
    Label4->setWordWrap(true);
    // The start prompt reads larger than the window's 8 points; the usage text that replaces
    // it after the first line goes back to 8.
    QFont startPromptFont = Label4->font();
    startPromptFont.setPointSizeF(9.75);
    Label4->setFont(startPromptFont);

    List2 = listBox(this, "List2", fromTwips(1800, 960, 12975, 9420));
    List2->setItemDelegate(new ShortenedLineDelegate(List2));
    Command3 = button(this, "Command3",
                      QStringLiteral("Press this bar to continue adding programming at bottom of "
                                     "existing lines."),
                      fromTwips(1800, 10320, 13215, 375));
    setBackground(Command3, QColor(128, 128, 255));

    Label3 = place<QLabel>(this, "Label3", fromTwips(1200, 960, 495, 4335));
    Label3->setText(QStringLiteral("S p e c i a l   F u n c t i o n s"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    int top = 960;
    for (const ColumnEntry& entry : specialFunctionColumn) {
        this->*entry.control =
            labelButton(this, entry.name, QLatin1String(entry.caption),
                        fromTwips(120, top, 1095, 255), QLatin1String(entry.tooltip));
        top += 240;
    }
    Text8 = textBox(this, "Text8", QString(), fromTwips(0, 480, 1815, 5295));
    Text8->setReadOnly(true);

    Command9 = button(this, "Command9", QStringLiteral("UNDO"), fromTwips(120, 5400, 1575, 345),
                      QStringLiteral("This button will be YELLOW when UNDO is an available "
                                     "option."));
    Command9->setEnabled(false);
    List8 = listBox(this, "List8", fromTwips(120, 5760, 1575, 840));
    List8->setToolTip(QStringLiteral("Help Index - Click Desired Subject To View Help Notes"));
    List8->setFocusPolicy(Qt::StrongFocus);
    // The help lists widen while in use instead of scrolling sideways; at rest the index
    // shows its first three rows whole, the red "CLICK ME HERE FOR HELP!".
    List8->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List9 = listBox(this, "List9", fromTwips(120, 6600, 1575, 4140));
    List9->setFocusPolicy(Qt::StrongFocus);
    List9->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text9 = place<QPlainTextEdit>(this, "Text9", fromTwips(3480, 5520, 2895, 615));
    Text9->setPlainText(QStringLiteral("Scroll this Index or click on\nthe Help Text to scroll "
                                       "text."));
    Text9->setReadOnly(true);

    // The dialog panel.
    Label21 = place<QLabel>(this, "Label21", fromTwips(1800, 120, 13215, 2055));
    Label21->setWordWrap(true);
    Label21->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The prompt covers the program's own prompt while the panel is open, and shares its top
    // line with Create, Edit, Run and Exit, which stay above it.
    Label21->setAutoFillBackground(true);
    Label21->setContentsMargins(0, 14, 0, 0);
    QFont promptFont = Label21->font();
    promptFont.setBold(true);
    promptFont.setPointSizeF(9.75);
    Label21->setFont(promptFont);
    Text3 = textBox(this, "Text3", QString(), fromTwips(2400, 1200, 12135, 375));
    Command4 = button(this, "Command4", QStringLiteral("Insert into program"),
                      fromTwips(5400, 1680, 2535, 375));
    Command5 = button(this, "Command5", QStringLiteral("Don't use this option here"),
                      fromTwips(8880, 1680, 2415, 375));
    Text7 = textBox(this, "Text7", QString(), fromTwips(1920, 480, 12975, 315));

    // Timer controls.
    Text10 = textBox(this, "Text10", QStringLiteral("Time"), fromTwips(7440, 2760, 1215, 285));
    Text10->setToolTip(QStringLiteral("Enter Time as 10:30 PM or 22:30  If AM/PM are left off 24 "
                                      "hour time is used.  An invalid time = 0 or midnight.  "
                                      "(Seconds are optional.)"));
    List1 = listBox(this, "List1", fromTwips(7440, 3120, 1215, 1620));
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List4 = listBox(this, "List4", fromTwips(6480, 3120, 855, 2400));
    List3 = listBox(this, "List3", fromTwips(7440, 3120, 1215, 2400));
    List5 = listBox(this, "List5", fromTwips(8760, 3120, 615, 2400));
    List6 = listBox(this, "List6", fromTwips(3840, 0, 615, 1035));

    // The save panel and the file selection panel.
    Text5 = textBox(this, "Text5", QString(), fromTwips(6360, 1080, 8535, 375));
    // A little wider than designed, into the free space before Save File, to hold its text.
    Label13 = place<QLabel>(this, "Label13", fromTwips(6360, 1680, 4095, 255));
    Label13->setText(QStringLiteral("Type or select full path and file name for your program."));
    Command6 =
        button(this, "Command6", QStringLiteral("Save File"), fromTwips(10680, 1560, 1935, 375));
    Command7 = button(this, "Command7", QStringLiteral("Do Not Save Yet"),
                      fromTwips(12960, 1560, 1935, 375));
    Drive1 = place<QComboBox>(this, "Drive1", fromTwips(6360, 2280, 3015, 315));
    Drive1->setFocusPolicy(Qt::ClickFocus);
    Dir1 = listBox(this, "Dir1", fromTwips(6360, 2640, 3015, 7515));
    Text4 = textBox(this, "Text4", QStringLiteral("FILES"), fromTwips(9480, 2280, 5535, 285));
    Text4->setReadOnly(true);
    File1 = listBox(this, "File1", fromTwips(9480, 2640, 5535, 7500));

    // The file-action panel.
    Text11 = textBox(this, "Text11", QString(), fromTwips(5280, 3720, 4095, 375));
    List7 = listBox(this, "List7", fromTwips(5160, 4560, 4215, 780));
    Command10 =
        button(this, "Command10", QStringLiteral("RENAME FILE"), fromTwips(6840, 4080, 1335, 375));
    Command11 =
        button(this, "Command11", QStringLiteral("CANCEL"), fromTwips(8280, 4080, 1095, 375));

    // The splash picture covers the window; the start screen's choices stay above it.
    Picture1 = place<QLabel>(this, "Picture1", QRect(0, 0, 1024, 768));
    Picture1->setPixmap(drawSplashPicture(QSize(1024, 768)));
    Picture1->setFocusPolicy(Qt::NoFocus);
    Text6 = textBox(this, "Text6", QStringLiteral("       EXIT"), fromTwips(2280, 0, 12855, 375));
    Text6->setReadOnly(true);
    Text6->setCursor(Qt::PointingHandCursor);
    Label1 = labelButton(this, "Label1", QStringLiteral("Create"), fromTwips(840, 120, 495, 195),
                         QStringLiteral("Begin writing a new program."));
    Label19 = labelButton(this, "Label19", QStringLiteral("Edit"), fromTwips(1440, 120, 285, 195),
                          QStringLiteral("Select a program you have written for further editing."));
    Label2 = labelButton(this, "Label2", QStringLiteral("Run"), fromTwips(1800, 120, 315, 195),
                         QStringLiteral("Select to run a program you have written.  If errors are "
                                        "encountered that stop the program you will be taken to "
                                        "the offending line."));
    Label24 = labelButton(this, "Label24", QStringLiteral("Exit"), fromTwips(2400, 120, 270, 195),
                          QStringLiteral("Exit this Tandrel program creator."));
    // On the start screen the "EXIT" box stands over the Exit label, which ends the system
    // too, so that only one of the two words shows.
    Text6->raise();

    if (!hasDesignMetrics(font()))
        narrowUntilCaptionsFit(this);
    showStartScreen();
}

void Tandrel::showStartScreen() {
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Command1,  Command2,  Command4, Command5, Command6, Command7, Command8, Command10,
             Command11, Command12, Label13,  Label21,  Label25,  Text3,    Text4,    Text5,
             Text7,     Text8,     Text10,   Text11,   List1,    List3,    List4,    List5,
             List6,     List7,     Drive1,   Dir1,     File1,    Text9})
        hidden->hide();
}

} // namespace tandrel
