#include "app/language_texts.h"

#include <QStringList>

namespace lumora {

namespace {

struct TableDescription
{
    const char* Name;
    QStringList Keys;
};

QStringList NumberedKeys(const QString& stem, int count)
{
    QStringList keys;
    for (int i = 1; i <= count; ++i)
        keys.append(stem + QString::number(i));
    return keys;
}

const std::array<TableDescription, kLanguageTableCount>& Tables()
{
    static const std::array<TableDescription, kLanguageTableCount> tables = {{
        {"Objekt_Bezeichnung",
         {"Hintergrund", "Rechteck",    "Ellipse",    "Linie",  "n-Eck",    "Text",  "GrRechteck",
          "GrEllipse",   "RadRechteck", "RadEllipse", "Welle",  "RadWelle", "Bild",  "Scanner",
          "3DPrimitive", "3DModell",    "3DText",     "PlugIn", "Blend",    "Gruppe"}},
        {"Message",
         {"NeuRendern", "OverwriteFile", "ChangedProject1", "ChangedProject2", "RenameObject1",
          "RenameObject2", "NoGroupFound", "GroupNameExist1", "GroupNameExist2", "ProjectProgress1",
          "ProjectProgress2", "ProjFileError"}},
        {"Anzeigen", QStringList{"MausPosLabel", "Version", "Kachel", "KeinBild", "Kachelbreite",
                                 "Pixel", "Kopie"} +
                         NumberedKeys(QStringLiteral("3DLaden_"), 8) +
                         QStringList{"Select_1", "Select_2", "Untitled"}},
        {"3DBezeichnung",
         {"Text", "Cube", "Sphere", "Torus", "Cone", "Tetrahedron", "Octahedron", "Dodecahedron",
          "Icosahedron", "Teapot"}},
        {"AfBuBezeichnung",
         {"BorderSimple", "BorderFrame", "BorderImage", "Text", "Spot", "DepthMap"}},
    }};
    return tables;
}

const QString& EmptyText()
{
    static const QString empty;
    return empty;
}

} // namespace

QString LanguageTableName(LanguageTable table)
{
    return QString::fromLatin1(Tables()[static_cast<size_t>(table)].Name);
}

const QStringList& LanguageTableKeys(LanguageTable table)
{
    return Tables()[static_cast<size_t>(table)].Keys;
}

bool LanguageTexts::Set(const QString& tableName, const QString& key, const QString& text)
{
    for (size_t t = 0; t < Tables().size(); ++t) {
        if (tableName != QLatin1String(Tables()[t].Name))
            continue;
        const qsizetype slot = Tables()[t].Keys.indexOf(key);
        if (slot < 0)
            return false;
        tables_[t][static_cast<size_t>(slot)] = text;
        return true;
    }
    return false;
}

const QString& LanguageTexts::Text(LanguageTable table, QStringView key) const
{
    const QStringList& keys = LanguageTableKeys(table);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] == key)
            return Slot(table, static_cast<int>(i));
    }
    return EmptyText();
}

const QString& LanguageTexts::Slot(LanguageTable table, int slot) const
{
    if (slot < 0 || slot >= kLanguageTableSlots)
        return EmptyText();
    return tables_[static_cast<size_t>(table)][static_cast<size_t>(slot)];
}

} // namespace lumora
