#pragma once

#include <QByteArray>

#include <cstdint>

// The line cipher of set files: every plain character becomes three letters.

// Uniform numbers in [0, 1). Every run of the program starts the same sequence.
class CipherRandom
{
public:
    explicit CipherRandom(uint64_t seed = 0x5A0B'E1C0'DE15'EEDULL) : m_state(seed) {}
    double next();

private:
    uint64_t m_state;
};

// The generator the program's writer uses; it runs on across calls.
CipherRandom &defaultCipherRandom();

QByteArray EncodeLine(const QByteArray &plain);
QByteArray EncodeLine(const QByteArray &plain, CipherRandom &random);

// Never fails: a malformed line decodes to whatever the letters give.
QByteArray DecodeLine(const QByteArray &enciphered);
