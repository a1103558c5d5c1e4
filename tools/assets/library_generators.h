#pragma once
// The procedural pictures of the installation's libraries: seamless tiles,
// grey frame masks (white where the stereogram shows, black where the frame
// colour goes) and beach border pictures around a black key area. Each is a
// pure function of its size and seed, so the libraries build identically
// every time.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace lumora {

// Throws LumoraError for an unknown generator or a size outside 1..4096.
QImage GenerateLibraryPicture(const QString& generator, int width, int height, uint32_t seed);

QStringList LibraryGeneratorNames();

} // namespace lumora
