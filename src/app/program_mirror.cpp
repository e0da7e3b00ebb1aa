#include "app/program_mirror.h"

#include <QListWidget>
#include <QSaveFile>

namespace tandrel {

namespace {

void writeMirror(const QString& path, const QListWidget* program) {
    QByteArray lines;
    for (int row = 0; row < program->count(); ++row)
        lines += program->item(row)->text().toUtf8() + '\n';
    // Replaced whole, so that a reader never sees half a program.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(lines);
        file.commit();
    }
}

} // namespace

void mirrorProgramIfAsked(QListWidget* program) {
    const QString path = qEnvironmentVariable("TANDREL_PROGRAM_MIRROR");
    if (path.isEmpty())
        return;
    QAbstractItemModel* model = program->model();
    auto write = [path, program] { writeMirror(path, program); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, program, write);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, program, write);
    QObject::connect(model, &QAbstractItemModel::dataChanged, program, write);
    QObject::connect(model, &QAbstractItemModel::modelReset, program, write);
    write();
}

} // namespace tandrel
