#pragma once

#include "engine/uIrregular.h"
#include "project/IniFile.h"

// The irregular section's data that the first file format has no key for, in a section of its own,
// "SULVOIRREGULAR2": a copy that knows only the first format ignores the section on reading and, since a save
// rewrites only the keys it knows, keeps it in the file. Every key is optional: one that is missing or empty
// leaves its datum unset.
namespace sulvo {

inline constexpr const char* kSecaoIrregular2 = "SULVOIRREGULAR2";

// Writes the section when the section holds a datum or the file already has the section (so that a datum
// cleared since the last save is cleared in the file too); a new project without such data gets no section.
void GravarSecaoIrregular2(const TSulvoIrregular& s, TCustomIniFile& ini);

// Reads the section when its "Versao" is "1"; otherwise, or without the section, the data stay as they are.
void LerSecaoIrregular2(TSulvoIrregular& s, TCustomIniFile& ini);

} // namespace sulvo
