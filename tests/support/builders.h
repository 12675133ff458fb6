#pragma once

#include "common/caverecord.h"
#include "store/setfile.h"

#include <QByteArray>
#include <QString>

// Chamber strings and set files for the tests, and whole files on disk; no
// windows, so the tests of the store use them too.

// The chamber string of r; the test program stops when the writer refuses it.
QByteArray chamberString(const CaveRecord &r);
// A new w by h chamber with c in every cell.
CaveRecord filled(int w, int h, char c);
// A new w by h chamber named name, as a chamber string.
QByteArray caveNamed(const QByteArray &name, int w = 7, int h = 6);
// A new w by h chamber named "K<k>", as a chamber string.
QByteArray cave(int k, int w = 7, int h = 6);
// The name of a chamber string, "" when it is none.
QString caveNameOf(const QByteArray &cave);

// A set of n new 7 by 6 chambers named prefix1..prefixN, every text filled in,
// chamber 1 allowed.
SetFileData setOf(int n, const QByteArray &prefix = "K");
// The file of setOf(n, prefix), or of set.
QByteArray setFile(int n, const QByteArray &prefix = "K");
QByteArray setFile(const SetFileData &set);

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
