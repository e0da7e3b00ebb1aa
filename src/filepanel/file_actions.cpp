// The file-action menu of the file list: rename or delete the file a right click was on.

#include "filepanel/path_rules.h"
#include "window/live_window.h"

#include <QMouseEvent>

namespace tandrel {

namespace {

constexpr int twipsPerPixel = 15;

// Takes the right button's press on the file list before the list sees it, so that it
// opens the menu without moving the selection.
class RightPressFilter : public QObject {
public:
    RightPressFilter(Tandrel* window, QWidget* viewport)
        : QObject(viewport)
        , window_(window) {
        viewport->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !inLiveWindow(watched))
            return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::RightButton)
            return false;
        const QPoint at = press->position().toPoint();
        window_->File1_MouseDown(press->button(), press->modifiers(), at.x(), at.y());
        return true;
    }

private:
    Tandrel* window_;
};

void placeHorizontally(QWidget* control, int leftTwips, int widthTwips) {
    control->setGeometry(leftTwips / twipsPerPixel, control->y(), widthTwips / twipsPerPixel,
                         control->height());
}

} // namespace

void Tandrel::connectFileActions() {
    new RightPressFilter(this, File1->viewport());
    connect(List7, &QListWidget::itemClicked, this, &Tandrel::List7_Click);
    connect(Command10, &QPushButton::clicked, this, &Tandrel::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &Tandrel::Command11_Click);
}

void Tandrel::File1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button != Qt::RightButton)
        return;
    const QListWidgetItem* selected = File1->currentItem();
    if (!selected || selected->text().isEmpty() || !usableFileName(selected->text()))
        return;
    const QString name = selected->text();
    List7->clear();
    platform.clock.yield();
    List7->show();
    List7->raise();
    const QStringList entries = fileActionEntries(name);
    List7->addItems(entries);
    const FileActionGeometry geometry = fileActionGeometry(entries.first().size());
    placeHorizontally(List7, geometry.menuLeft, geometry.menuWidth);
    for (QWidget* control : std::initializer_list<QWidget*>{Text11, Command10, Command11})
        control->hide();
    globals.ActionFileName = name;
    actionFilePath = actionDirectory(dir1Path) + name;
}

void Tandrel::List7_Click() {
    switch (List7->currentRow()) {
    case 0:
        List7->hide();
        break;
    case 1: {
        platform.clock.yield();
        Text11->show();
        platform.clock.yield();
        for (QWidget* control : std::initializer_list<QWidget*>{Text11, Command10, Command11})
            control->raise();
        Command10->show();
        Command11->show();
        const FileActionGeometry geometry = fileActionGeometry(List7->item(0)->text().size());
        placeHorizontally(Text11, geometry.fieldLeft, geometry.fieldWidth);
        Text11->setText(globals.ActionFileName);
        Text11->setCursorPosition(int(renameCaretPosition(globals.ActionFileName.size())));
        Text11->setFocus();
        platform.clock.yield();
        break;
    }
    case 2: {
        platform.clock.yield();
        // The file the menu was opened on, wherever the lists have moved since.
        const QString name = globals.ActionFileName;
        if (platform.messages.ask(QStringLiteral("Delete ") + name, name, Buttons::YesNo) ==
            Answer::Yes)
            platform.files.erase(actionFilePath);
        refreshFileList();
        List7->hide();
        break;
    }
    default:
        break;
    }
}

void Tandrel::Command10_Click() {
    for (QWidget* control : std::initializer_list<QWidget*>{Command10, Command11, List7})
        control->hide();
    const QString oldPath = actionFilePath;
    const QString newPath =
        oldPath.left(oldPath.size() - globals.ActionFileName.size()) + Text11->text();
    // Copy, then erase: a copy that fails leaves the only file where it was. Names that differ
    // in letter case only are one file to the drive: the rename goes through another name.
    if (newPath.compare(oldPath, Qt::CaseInsensitive) == 0 && newPath != oldPath) {
        const QString step = oldPath + QStringLiteral(".RENAMING");
        if (platform.files.copy(oldPath, step) && platform.files.erase(oldPath) &&
            platform.files.copy(step, newPath))
            platform.files.erase(step);
    } else if (newPath != oldPath && platform.files.copy(oldPath, newPath)) {
        platform.files.erase(oldPath);
    }
    Text11->hide();
    refreshFileList();
}

void Tandrel::Command11_Click() {
    for (QWidget* control : std::initializer_list<QWidget*>{Text11, Command10, Command11, List7})
        control->hide();
}

} // namespace tandrel
