#include "store/setfile.h"

#include "common/czechcount.h"
#include "store/kodovani.h"
#include "store/modzorbel.h"

#include <algorithm>

namespace {

// The file's lines one at a time: splitting it whole would cost a list entry
// for every line, twenty times the file for one of line ends alone.
class LineCursor
{
public:
    explicit LineCursor(const QByteArray &bytes) : m_bytes(bytes), m_tail(bytes.size())
    {
        while (m_tail > 0 && (m_bytes.at(m_tail - 1) == '\r' || m_bytes.at(m_tail - 1) == '\n'))
            --m_tail;
    }

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // Whether only empty lines are left, as a text editor adds after the last one.
    bool onlyEmptyLeft() const { return m_pos >= m_tail; }
    // The number of lines taken so far.
    qsizetype taken() const { return m_taken; }

    // The next line without its end, a view into the file; only while !atEnd().
    QByteArrayView next()
    {
        const qsizetype n = m_bytes.size();
        qsizetype end = m_pos;
        while (end < n && m_bytes.at(end) != '\r' && m_bytes.at(end) != '\n')
            ++end;
        const QByteArrayView line(m_bytes.constData() + m_pos, end - m_pos);
        m_pos = end + 1;
        if (end + 1 < n && m_bytes.at(end) == '\r' && m_bytes.at(end + 1) == '\n')
            ++m_pos;
        ++m_taken;
        return line;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_tail; // where the line ends at the end of the file begin
    qsizetype m_pos = 0;
    qsizetype m_taken = 0;
};

// Deciphers the next line, or says why it is not a line of the cipher: the
// decoder reads any letters, but other bytes mean the file is no set at all.
Result<QByteArray> plainLine(LineCursor &lines)
{
    using R = Result<QByteArray>;
    const QByteArrayView line = lines.next();
    for (const char c : line)
        if (c < 'A' || c > 'Z')
            return R::failure(
                QStringLiteral("Soubor není sada komnat. Řádek %1 obsahuje jiné znaky než písmena A až Z.")
                    .arg(lines.taken()));
    return R::success(DecodeLine(QByteArray::fromRawData(line.data(), line.size())));
}

// Chamber lines from line 4: line 4 always, then each further line until an
// empty one or the file's last line, which ends the run and is returned as the
// closing line. Empty lines after the last line with text do not make it a
// chamber, unless it reads as one: a set with an empty congratulation ends
// with its last chamber and an empty line. `limit` stops the run early once
// that many chambers are taken.
struct CaveRun
{
    QList<QByteArray> caves;
    QByteArray closing;
};

Result<CaveRun> readCaveRun(LineCursor &lines, int limit)
{
    using R = Result<CaveRun>;
    CaveRun run;
    auto line = plainLine(lines);
    for (;;) {
        if (!line.ok())
            return R::failure(line.error());
        const auto cave = StringToCave(line.value());
        if (!cave.ok()) {
            QString why = QStringLiteral("Řádek %1 není komnata. %2").arg(lines.taken()).arg(cave.error());
            // Followed by one last line with something on it, it may be the congratulation that
            // line (a blank, an end-of-file mark) keeps from being read as such.
            LineCursor rest = lines;
            if (!rest.onlyEmptyLeft()) {
                rest.next();
                if (rest.onlyEmptyLeft())
                    why += QStringLiteral(" Je-li to gratulace, nesmí za ní být neprázdný řádek %1.")
                               .arg(rest.taken());
            }
            return R::failure(why);
        }
        run.caves.append(line.value());
        if (run.caves.size() > MaxSetCaves)
            return R::failure(QStringLiteral("Na řádku %1 je už %2. komnata, sada jich smí mít nejvýše %3.")
                                  .arg(lines.taken())
                                  .arg(run.caves.size())
                                  .arg(MaxSetCaves));
        line = plainLine(lines);
        if (!line.ok())
            return R::failure(line.error());
        if (line.value().isEmpty() || lines.atEnd() || run.caves.size() >= limit ||
            (lines.onlyEmptyLeft() && !StringToCave(line.value()).ok()))
            break;
    }
    run.closing = line.value();
    return R::success(std::move(run));
}

QString tooFewLines(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("Soubor je prázdný.");
    return QStringLiteral("Soubor má jen %1, sada komnat jich má nejméně pět.")
        .arg(CzechCount(n, QStringLiteral("řádek"), QStringLiteral("řádky"), QStringLiteral("řádků")));
}

// The last two characters of "0" and the item's number without leading zeros,
// as the set window writes an item ("5" gives "05", "007" "07", "123" "23").
QString twoDigits(QString digits)
{
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    return (u'0' + digits).right(2);
}

} // namespace

QList<QByteArray> SplitSetFileLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    for (LineCursor cursor(bytes); !cursor.atEnd();)
        lines.append(cursor.next().toByteArray());
    return lines;
}

Result<SetFileData> ReadSetFile(const QByteArray &bytes)
{
    using R = Result<SetFileData>;
    LineCursor counter(bytes);
    while (!counter.atEnd() && counter.taken() < 5)
        counter.next();
    if (counter.taken() < 5)
        return R::failure(tooFewLines(counter.taken()));

    LineCursor lines(bytes);
    QByteArray header[3];
    for (QByteArray &plain : header) {
        auto line = plainLine(lines);
        if (!line.ok())
            return R::failure(line.error());
        plain = line.value();
    }
    const QByteArray &first = header[0];
    const QByteArray &second = header[1];
    const QByteArray &third = header[2];
    // A length past the end of its line gives a shorter name or author, as
    // taking that many characters does; a negative one has no reading.
    if (first.isEmpty())
        return R::failure(QStringLiteral("Řádek 1 je prázdný, má na něm být jméno sady."));
    const int nameLength = ValueAt(first, 0);
    if (nameLength < 0)
        return R::failure(QStringLiteral("Řádek 1 nezačíná platnou délkou jména sady."));
    if (second.isEmpty())
        return R::failure(QStringLiteral("Řádek 2 je prázdný, má na něm být autor a popis sady."));
    const int authorLength = ValueAt(second, 0);
    if (authorLength < 0)
        return R::failure(QStringLiteral("Řádek 2 nezačíná platnou délkou jména autora."));
    if (third.isEmpty())
        return R::failure(QStringLiteral("Řádek 3 je prázdný, má na něm být e-mail sady."));

    const QByteArray allowedChars = first.mid(1 + nameLength);

    auto run = readCaveRun(lines, MaxSetCaves + 1);
    if (!run.ok())
        return R::failure(run.error());
    // A chamber line that deciphers to nothing would end the chambers early and
    // drop the rest: anything but empty lines after the congratulation is damage.
    const qsizetype congratulationLine = lines.taken();
    while (!lines.atEnd())
        if (!lines.next().isEmpty())
            return R::failure(QStringLiteral("Soubor je poškozený. Za gratulací na řádku %1 "
                                             "následuje ještě neprázdný řádek %2.")
                                  .arg(congratulationLine)
                                  .arg(lines.taken()));

    SetFileData set;
    set.Name = first.mid(1, nameLength);
    set.Author = second.mid(1, authorLength);
    set.Description = second.mid(1 + authorLength);
    set.Mail = third.left(third.size() - 1);
    set.CollFlag = third.right(1);
    set.Caves = std::move(run.value().caves);
    set.Congratulation = run.value().closing;
    // A character naming no chamber of this file has nowhere to go.
    for (const char c : allowedChars) {
        const int k = static_cast<unsigned char>(c) - 64;
        if (k >= 1 && k <= set.Caves.size())
            set.Allowed[k] = true;
    }
    return R::success(std::move(set));
}

Result<QList<QByteArray>> ReadJoinedCaves(const QByteArray &bytes, int numCaves, qsizetype *leftBehind)
{
    using R = Result<QList<QByteArray>>;
    // The whole file is checked first: a faulty file must not leave half a join.
    // The chambers it takes are the first of those a full read finds.
    auto set = ReadSetFile(bytes);
    if (!set.ok())
        return R::failure(set.error());
    const QList<QByteArray> &caves = set.value().Caves;
    const qsizetype taken = std::clamp<qsizetype>(JoinCaveLimit - numCaves, 0, caves.size());
    if (leftBehind)
        *leftBehind = caves.size() - taken;
    return R::success(caves.mid(0, taken));
}

Result<QByteArray> WriteSetFile(const SetFileData &set)
{
    return WriteSetFile(set, defaultCipherRandom());
}

Result<QByteArray> WriteSetFile(const SetFileData &set, CipherRandom &random)
{
    using R = Result<QByteArray>;
    if (set.Name.size() > ValueCharMax)
        return R::failure(QStringLiteral("Jméno sady je delší než %1 znaků.").arg(ValueCharMax));
    if (set.Author.size() > ValueCharMax)
        return R::failure(QStringLiteral("Jméno autora je delší než %1 znaků.").arg(ValueCharMax));
    const qsizetype n = set.Caves.size();
    if (n < 1)
        return R::failure(QStringLiteral("Sada nemá žádnou komnatu."));
    if (n > MaxSetCaves)
        return R::failure(QStringLiteral("Sada má více než %1 komnat.").arg(MaxSetCaves));
    for (qsizetype k = 0; k < n; ++k) {
        const auto cave = StringToCave(set.Caves.at(k));
        if (!cave.ok())
            return R::failure(QStringLiteral("Komnatu %1 nelze zapsat. %2").arg(k + 1).arg(cave.error()));
    }

    QByteArray first(1, ValueChar(int(set.Name.size())));
    first += set.Name;
    for (qsizetype k = 1; k <= n; ++k)
        if (set.Allowed[k])
            first += static_cast<char>(64 + k);
    QByteArray second(1, ValueChar(int(set.Author.size())));
    second += set.Author;
    second += set.Description;
    QByteArray third = set.Mail;
    third += set.CollFlag.isEmpty() ? QByteArray(1, DefaultCollFlag) : set.CollFlag.left(1);

    QByteArray out;
    qsizetype size = first.size() + second.size() + third.size() + set.Congratulation.size();
    for (const QByteArray &cave : set.Caves)
        size += cave.size();
    out.reserve(size * 3 + (n + 4) * 2);
    const auto put = [&](const QByteArray &plain) {
        out += EncodeLine(plain, random);
        out += "\r\n";
    };
    put(first);
    put(second);
    put(third);
    for (const QByteArray &cave : set.Caves)
        put(cave);
    put(set.Congratulation);
    return R::success(std::move(out));
}

QString AllowedCavesText(const AllowedFlags &allowed, int numCaves)
{
    QString text;
    for (int k = 1; k <= std::min(numCaves, MaxSetCaves); ++k)
        if (allowed[k])
            text += QStringLiteral("0%1;").arg(k);
    return text;
}

void ApplyAllowedCavesText(AllowedFlags &allowed, const QString &text, int numCaves)
{
    // The last item is read as the set window writes an item once ";" follows it.
    const qsizetype cut = text.lastIndexOf(u';') + 1;
    QString haystack = text.left(cut);
    const QString last = text.mid(cut).trimmed();
    qsizetype digits = 0;
    while (digits < last.size() && last.at(digits) >= u'0' && last.at(digits) <= u'9')
        ++digits;
    if (digits > 0)
        haystack += twoDigits(last.left(digits)) + u';';
    for (int k = 1; k <= std::min(numCaves, MaxSetCaves); ++k)
        allowed[k] = haystack.contains(QStringLiteral("0%1;").arg(k).right(3));
    allowed[1] = true;
}
