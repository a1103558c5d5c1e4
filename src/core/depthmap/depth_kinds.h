#pragma once
// The kind codes of depth objects: the int32 written before each object in
// a project file, the value of Tool_dm::Kind and the icon index in the
// object tree, with each kind's class, the language key of its default
// name (section "Objekt_Bezeichnung"), its parameter dialog and whether
// objects of the kind are stored.

#include <QString>
#include <cstdint>
#include <span>

namespace lumora {

struct DepthKindInfo
{
    int32_t Kind;
    const char* ClassName;      // "" for the codes without a class
    const char* DefaultNameKey; // also the German default name
    const char* Dialog;         // "" for the kinds without a dialog
    bool Stored;
};

inline constexpr int32_t BackgroundKind = 0;
inline constexpr int32_t ScannerKind = 13; // a creation tool; it makes a kind 12 object
inline constexpr int32_t GroupKind = 19;

std::span<const DepthKindInfo> DepthKinds();
// nullptr for a code outside 0..19.
const DepthKindInfo* FindDepthKind(int32_t kind);
// The language key of the kind's default name; empty for unknown codes.
QString DefaultNameKey(int32_t kind);
// Kinds whose creation goes through a dialog that builds the object.
bool CreatedViaDialog(int32_t kind);
// Kinds that the editor edits without a parameter dialog.
bool HasParameterDialog(int32_t kind);

} // namespace lumora
