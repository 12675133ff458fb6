#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

// Set files on disk. Every failure comes back as one Czech line that says why,
// the same for opening, joining, saving and reading the template.

// Four times a set of 100 chambers of the largest grid, 102 by 62 cells (about
// 2 MB enciphered; a set the editor makes is about half a megabyte). A larger
// file is refused before it is read, and not written: the set's texts have no
// length of their own, and boxes holding tens of megabytes of text would
// freeze the editor and take many times that in memory.
constexpr qint64 MaxSetFileSize = 8 * 1024 * 1024;
// The most characters one text of such a file can hold; the cipher writes three letters for each.
constexpr int MaxSetFileText = int(MaxSetFileSize / 3);

// The bytes of the file at path. Missing paths, folders, FIFOs, devices and
// files above MaxSetFileSize are refused by their type and size before any
// byte is read, and no open waits for a writer.
Result<QByteArray> ReadSetFileBytes(const QString &path);

// Replaces the file at path with bytes; the old file stays whole until the new
// one is complete beside it. Bytes above MaxSetFileSize are refused. A folder, FIFO or device in the way is
// refused, not replaced.
Result<bool> SaveSetFileBytes(const QString &path, const QByteArray &bytes);
