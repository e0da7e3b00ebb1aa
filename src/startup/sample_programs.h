#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tandrel {

// A file that the first installation writes into the programs directory.
struct SampleProgram {
    QString path; // drive-letter path, always on drive C
    QStringList lines;
};

// The five sample programs and the "Read Me" text, in the order they are written.
QList<SampleProgram> samplePrograms();

} // namespace tandrel
