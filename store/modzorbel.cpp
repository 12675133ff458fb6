#include "store/modzorbel.h"

#include <utility>

namespace {

// Floor division and the remainder that keeps the dividend's sign, as the
// format packs TotalTime and GemsNeeded.
int floorDiv(int a, int b)
{
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

bool appendValue(QByteArray &out, int v)
{
    if (v < ValueCharMin || v > ValueCharMax)
        return false;
    out.append(ValueChar(v));
    return true;
}

// The numbers as the messages name them ("hodnota šířky"), in the string's order.
constexpr const char *MudName = "propustnosti bláta";
constexpr const char *NameLengthName = "délky jména";
constexpr const char *DescLengthName = "délky popisu";
constexpr int NumberCount = 10;
constexpr const char *NumberNames[NumberCount] = {"šířky",
                                                  "výšky",
                                                  "celkového času",
                                                  "jednotek času a drahokamů",
                                                  "potřebného počtu drahokamů",
                                                  "bodů",
                                                  "prémiových bodů",
                                                  "času kouzelné zdi",
                                                  "času améby",
                                                  "atmosféry"};
// The time and gem numbers (2 to 4) are packed digits, taken as they come.
constexpr bool isPackedDigit(int i)
{
    return i >= 2 && i <= 4;
}

} // namespace

Result<QByteArray> CaveToString(const CaveRecord &r)
{
    using R = Result<QByteArray>;
    if (r.Name.size() > ValueCharMax)
        return R::failure(QStringLiteral("Jméno komnaty je delší než 190 znaků."));
    if (r.Description.size() > ValueCharMax)
        return R::failure(QStringLiteral("Popis komnaty je delší než 190 znaků."));
    if (r.Width > CaveRecord::MapColumns)
        return R::failure(QStringLiteral("Komnata má víc než 102 sloupců."));
    if (r.Height > CaveRecord::MapRows)
        return R::failure(QStringLiteral("Komnata má víc než 62 řádků."));

    QByteArray out;
    out.reserve(13 + r.Name.size() + r.Description.size() + r.Width * r.Height + r.Trailer.size());
    // The first number without a value character is the one reported.
    QString err;
    const auto put = [&out, &err](int v, const char *what) {
        if (!appendValue(out, v) && err.isEmpty())
            err = QStringLiteral("Hodnota %1 je %2, text komnaty pojme jen hodnoty od %3 do %4.")
                      .arg(QString::fromUtf8(what))
                      .arg(v)
                      .arg(ValueCharMin)
                      .arg(ValueCharMax);
    };
    put(r.MudPermeability, MudName);
    put(static_cast<int>(r.Name.size()), NameLengthName);
    out.append(r.Name);
    put(static_cast<int>(r.Description.size()), DescLengthName);
    out.append(r.Description);
    const int tt = r.TotalTime;
    const int gn = r.GemsNeeded;
    const int numbers[NumberCount] = {
        r.Width,          r.Height,    floorDiv(tt, 10), (tt % 10) * 10 + (gn % 10),
        floorDiv(gn, 10), r.Points,    r.BonusPoints,    r.MagicWallTime,
        r.AmoebaTime,     r.Atmosphere};
    for (int i = 0; i < NumberCount; ++i)
        put(numbers[i], NumberNames[i]);
    if (!err.isEmpty())
        return R::failure(err);
    for (int y = 0; y < r.Height; ++y)
        for (int x = 0; x < r.Width; ++x)
            out.append(r.Map[x][y]);
    out.append(r.Trailer);
    return R::success(std::move(out));
}

Result<CaveRecord> StringToCave(const QByteArray &text)
{
    using R = Result<CaveRecord>;
    const auto tooShort = [] {
        return R::failure(QStringLiteral("Text komnaty končí dřív, než začnou její čísla."));
    };
    const auto negative = [](const char *what) {
        return R::failure(
            QStringLiteral("Text komnaty udává zápornou hodnotu %1.").arg(QString::fromUtf8(what)));
    };
    if (text.isEmpty())
        return R::failure(QStringLiteral("Text komnaty je prázdný."));

    CaveRecord r;
    qsizetype pos = 0;
    const qsizetype len = text.size();

    const int mud = ValueAt(text, pos);
    if (mud < 0)
        return negative(MudName);
    r.MudPermeability = static_cast<uint8_t>(mud);
    ++pos;

    for (QByteArray *field : {&r.Name, &r.Description}) {
        if (pos >= len)
            return tooShort();
        const int n = ValueAt(text, pos);
        if (n < 0)
            return negative(field == &r.Name ? NameLengthName : DescLengthName);
        *field = text.mid(pos + 1, n);
        pos = std::min(len, pos + 1 + n);
    }

    if (len - pos < NumberCount)
        return tooShort();
    int v[NumberCount];
    for (int i = 0; i < NumberCount; ++i)
        v[i] = ValueAt(text, pos + i);
    const int width = v[0], height = v[1], a = v[2], u = v[3], g = v[4];
    for (int i = 0; i < NumberCount; ++i)
        if (!isPackedDigit(i) && v[i] < 0)
            return negative(NumberNames[i]);
    if (width > CaveRecord::MapColumns)
        return R::failure(QStringLiteral("Text komnaty udává šířku %1, nejvýše smí být 102.").arg(width));
    if (height > CaveRecord::MapRows)
        return R::failure(QStringLiteral("Text komnaty udává výšku %1, nejvýše smí být 62.").arg(height));
    r.Width = static_cast<uint8_t>(width);
    r.Height = static_cast<uint8_t>(height);
    r.TotalTime = static_cast<int16_t>(a * 10 + floorDiv(u, 10));
    r.GemsNeeded = static_cast<int16_t>(g * 10 + u - floorDiv(u, 10) * 10);
    r.Points = static_cast<uint8_t>(v[5]);
    r.BonusPoints = static_cast<uint8_t>(v[6]);
    r.MagicWallTime = static_cast<uint8_t>(v[7]);
    r.AmoebaTime = static_cast<uint8_t>(v[8]);
    r.Atmosphere = static_cast<uint8_t>(v[9]);
    pos += NumberCount;

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            r.Map[x][y] = pos < len ? text.at(pos++) : ' ';

    QByteArray rest = text.mid(pos);
    const qsizetype n = rest.size();
    if (n > 4 && rest.at(n - 5) == '-' && rest.at(n - 4) == '-' && rest.at(n - 3) == '-')
        rest.chop(5);
    r.Trailer = rest;
    return R::success(std::move(r));
}
