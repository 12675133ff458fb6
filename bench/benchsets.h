#pragma once

#include <QByteArray>
#include <QString>

class frmMain;

// The chambers and sets the cases work on.
namespace BenchSets {

// A w by h chamber with a scatter of objects; seed varies the pattern.
QByteArray chamber(int w, int h, int seed = 0);
// A set file of that many 50 by 30 chambers, in a folder that lives as long as the process.
QString bigSetFile(int caves);
// Closes the open set without its question, and lets the frame paint.
void closeSet(frmMain *m);
// Called with the clock paused: the set file at path opened and the frame painted, timed; after it, untimed,
// the set closed and a new one made. before, if given, readies the frame untimed first.
void timedOpen(frmMain *m, const QString &path, void (*before)(frmMain *) = nullptr);

} // namespace BenchSets
