#pragma once

#include <QByteArray>
#include <QString>

// The chambers and sets the cases work on.
namespace BenchSets {

// A w by h chamber with a scatter of objects; seed varies the pattern.
QByteArray chamber(int w, int h, int seed = 0);
// A set file of that many 50 by 30 chambers, in a folder that lives as long as the process.
QString bigSetFile(int caves);

} // namespace BenchSets
