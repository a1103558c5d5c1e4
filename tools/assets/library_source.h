#pragma once
// The text source of a picture library: UTF-8 lines "key: value".
//
//   # a comment
//   creator: ...          contact: ...          copyright: ...
//   information: ...      thumbnail: WIDTH HEIGHT
//   picture: GENERATOR WIDTH HEIGHT SEED | NAME | DESCRIPTION
//
// Every picture line runs its generator (library_generators.h).

#include "library_writer.h"

#include <QByteArray>

namespace lumora {

// Throws LumoraError naming the line that is wrong.
LibrarySource ParseLibrarySource(const QByteArray& utf8);

} // namespace lumora
