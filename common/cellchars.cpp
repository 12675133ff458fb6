#include "common/cellchars.h"

const std::array<PaletteObjectInfo, ObjectCount> PaletteObjects = {{
    {'.', "Prázdno"},
    {';', "Hlína"},
    {'R', "Kámen"},
    {'D', "Drahokam"},
    {'1', "Zorbel 1"},
    {'X', "Zeď"},
    {'!', "Červený drahokam"},
    {'@', "Zelený drahokam"},
    {'W', "Ocelová zeď"},
    {'T', "Cíl"},
    {'A', "Améba"},
    {'M', "Kouzelná zeď"},
    {'K', "Bedna"},
    {'#', "Modrý drahokam"},
    {'%', "Červený zámek"},
    {'S', "Bláto"},
    {'L', "Moucha"},
    {'F', "Světluška"},
    {'O', "Světluška"},
    {'P', "Světluška"},
    {'Q', "Světluška"},
    {'U', "Motýl"},
    {'Y', "Motýl"},
    {'Z', "Motýl"},
    {'B', "Motýl"},
    {'E', "Rostoucí zeď horizontální"},
    {'V', "Rostoucí zeď vertikální"},
    {'&', "Modrý zámek"},
    {'^', "Zelený zámek"},
    {'C', "Biomasa"},
    {'I', "Bomba"},
    {'N', "Blecha"},
    {'G', "Čidlo"},
    {'J', "Kočka"},
    {':', "Kudlanka"},
    {'$', "Bílý klíč (kočičí)"},
}};

namespace {

struct CellTable
{
    std::array<signed char, 256> object{};
    CellTable()
    {
        object.fill(UnknownObject);
        for (int k = 0; k < ObjectCount; ++k)
            if (k != HeroObject)
                object[static_cast<unsigned char>(PaletteObjects[k].cell)] = static_cast<signed char>(k);
        object['H'] = HeroObject;
        for (char d = '1'; d <= '9'; ++d)
            object[static_cast<unsigned char>(d)] = HeroObject;
    }
};

const CellTable &table()
{
    static const CellTable t;
    return t;
}

} // namespace

int ObjectForCell(char c)
{
    return table().object[static_cast<unsigned char>(c)];
}

int HeroVariantForCell(char c)
{
    return (c >= '1' && c <= '9') ? c - '0' : 0;
}
