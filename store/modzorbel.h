#pragma once

#include "common/caverecord.h"
#include "common/result.h"

#include <QByteArray>

// The chamber string: a chamber's one-line form in the open set and the set file.

// The chamber string of a record, or a message when the record has none
// (a number without a value character, a text over 190 characters, a size
// beyond the grid).
Result<QByteArray> CaveToString(const CaveRecord &record);

// The record of a chamber string, or a message saying why the text is not one.
Result<CaveRecord> StringToCave(const QByteArray &text);

// A number stored as one character has a code of 65 + v, so v lies in -65..190. A text whose length
// is stored so (a chamber's name and description, a set's name and author) holds at most ValueCharMax bytes.
constexpr int ValueCharMin = -65;
constexpr int ValueCharMax = 190;

// The character that stores v, for v in ValueCharMin..ValueCharMax.
constexpr char ValueChar(int v)
{
    return static_cast<char>(65 + v);
}
// The number the character at pos stores.
inline int ValueAt(const QByteArray &text, qsizetype pos)
{
    return static_cast<unsigned char>(text.at(pos)) - 65;
}
