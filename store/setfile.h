#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class CipherRandom;

// The set file: enciphered lines ending CR LF. In plain text: the name with
// the allowed chambers, the author with the description, the e-mail with the
// flag character, one chamber string per chamber, the congratulation.

constexpr int MaxSetCaves = 100;      // chamber numbers stop at 100
constexpr int JoinCaveLimit = 99;     // adding and joining stop at this many chambers
constexpr char DefaultCollFlag = 'A'; // a set not read from a file carries this flag

using AllowedFlags = std::array<bool, MaxSetCaves + 1>; // by chamber number; 0 is unused

// Everything a set file holds, texts as code page 1250 bytes.
struct SetFileData
{
    QByteArray Name;
    QByteArray Author;
    QByteArray Description;
    QByteArray Mail;
    QByteArray CollFlag = QByteArray(1, DefaultCollFlag); // one character, copied, never interpreted
    QList<QByteArray> Caves;                              // chamber strings of chambers 1 to N
    AllowedFlags Allowed{};                               // only chambers 1 to N are ever set
    QByteArray Congratulation;

    bool operator==(const SetFileData &) const = default;
};

// The file's lines without their ends. CR LF ends a line; so do a lone CR or
// LF, which the cipher never writes but a copy between systems may leave. A
// last line without an end is still a line; an end at the very end adds none.
QList<QByteArray> SplitSetFileLines(const QByteArray &bytes);

// The whole file, checked before anything is used: at least five lines, the
// lines it uses of letters A to Z only (each deciphered as the line cipher's
// decoder reads it, exact triples or not), lines 1 to 3 not empty, length
// characters of at least "A" (a name or author the line cuts short is read
// shorter), allowed characters of codes 64 to 164 (those naming no chamber of
// the file are dropped), 1 to 100 chamber lines, each a chamber string, and
// only empty lines after the congratulation. The last line with text is the
// congratulation also when empty lines follow it, unless it reads as a
// chamber. It holds the file and the lines it keeps, never a list of every line.
Result<SetFileData> ReadSetFile(const QByteArray &bytes);

// The chamber strings that joining the file to a set of numCaves chambers
// adds: chamber lines from line 4 on, until an empty line, the last line, or
// the set reaching 99 chambers. The whole file is checked as ReadSetFile
// does, also when nothing is taken, but its first three lines are not used;
// leftBehind gets the number of the file's chambers not taken.
Result<QList<QByteArray>> ReadJoinedCaves(const QByteArray &bytes, int numCaves,
                                          qsizetype *leftBehind = nullptr);

// The bytes of the file, or why the set cannot be written (a name or author
// over 190 characters, no chambers or more than 100, a chamber that is not a
// chamber string). A file it writes is one ReadSetFile accepts.
Result<QByteArray> WriteSetFile(const SetFileData &set);
Result<QByteArray> WriteSetFile(const SetFileData &set, CipherRandom &random);

// The allowed-chambers box after a load: "0" k ";" for each allowed chamber
// k from 1 to numCaves (1, 5 and 12 give "01;05;012;").
QString AllowedCavesText(const AllowedFlags &allowed, int numCaves);

// The box read back before a save, for chambers 1 to numCaves: chamber k is
// allowed when the text holds the last three characters of "0" k ";". A last
// item that begins with a number counts too, as the box writes it once ";"
// follows ("01;5" allows 1 and 5). Chamber 1 is always allowed; flags above numCaves
// stay as they are.
void ApplyAllowedCavesText(AllowedFlags &allowed, const QString &text, int numCaves);
