// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and reading files that come from outside the program (the Leads file, card pictures,
// settings files) as the hostile input they may be: only regular files are ever opened, a FIFO
// or device can't block the program while it is opened, and reads stop at a bound, whatever the
// file claims to be. Symbolic links are followed; what they point to is checked.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavro {

enum class FileKind {
    Missing,  // nothing there, or a dangling link
    Regular,  // a regular file, or a link to one
    Other,    // a folder, FIFO, device, socket, ...
};

// What the path names, following symbolic links.
FileKind KindOfFile(const QString& path);

// Opens an existing regular file with the mode (ReadOnly, ReadWrite or WriteOnly; never
// creating it). The file is opened without blocking and checked on its open handle, so nothing
// swapped in after a check can hang the program. Returns false with the reason in `error`
// (the platform's own text, or "not a regular file") when it fails.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString& error);

struct BoundedRead {
    enum class Status { Ok, Missing, NotRegular, TooLarge, Failed };
    Status status = Status::Failed;
    QByteArray bytes;  // the whole file when status is Ok
    QString error;     // the reason otherwise
};

// Reads a whole regular file of at most maxBytes bytes. Reads at most maxBytes + 1 bytes, so a
// device or a file that grows while it is read can't exhaust memory.
BoundedRead ReadRegularFile(const QString& path, qint64 maxBytes);

// The text the program shows for a path that is not a regular file.
QString NotRegularFileText();

}  // namespace tavro
