#pragma once
// The program's own text tables, filled from the "Sonstiges" section of a
// language file by entries "Table.Key=Text". Each table has 20 slots; a key
// names one slot, and a key or table that is not listed is ignored. Texts
// the file does not set keep their previous value (empty at first), so
// applying one language over another is additive.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace lumora {

enum class LanguageTable
{
    Objekt_Bezeichnung, // type names of the depth-object kinds; slot 0 the background
    Message,            // texts of the message box and progress captions
    Anzeigen,           // display texts of the windows
    Bezeichnung3D,      // names of the 3D primitives ("3DBezeichnung")
    AfBuBezeichnung,    // type names of the afterburner kinds, slot k - 1 for kind k
};

inline constexpr int kLanguageTableCount = 5;
inline constexpr int kLanguageTableSlots = 20;

// The table's name in language files.
QString LanguageTableName(LanguageTable table);
// The keys of a table in slot order.
const QStringList& LanguageTableKeys(LanguageTable table);

class LanguageTexts
{
public:
    // Sets the slot that tableName and key name; answers false (and
    // changes nothing) when either is not listed.
    bool Set(const QString& tableName, const QString& key, const QString& text);

    // The text of a listed key; empty for a key the table does not list.
    const QString& Text(LanguageTable table, QStringView key) const;
    // A slot by number; empty outside 0..19.
    const QString& Slot(LanguageTable table, int slot) const;

    // Shorthands of the program's uses.
    const QString& ObjectTypeName(int kind) const
    {
        return Slot(LanguageTable::Objekt_Bezeichnung, kind);
    }
    const QString& BackgroundName() const { return ObjectTypeName(0); }
    const QString& MessageText(QStringView key) const { return Text(LanguageTable::Message, key); }
    const QString& DisplayText(QStringView key) const { return Text(LanguageTable::Anzeigen, key); }
    const QString& PrimitiveName(int index) const
    {
        return Slot(LanguageTable::Bezeichnung3D, index);
    }
    const QString& AfterburnerTypeName(int kind) const
    {
        return Slot(LanguageTable::AfBuBezeichnung, kind - 1);
    }

private:
    using Table = std::array<QString, kLanguageTableSlots>;
    std::array<Table, kLanguageTableCount> tables_;
};

} // namespace lumora
