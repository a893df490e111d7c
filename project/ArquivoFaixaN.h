#pragma once

#include "engine/uIrregular.h"
#include "engine/uSulvo.h"
#include "project/IniFile.h"

// The tables' bands of n in the project file. They live in sections of their own, "SULVOR2" (triangle,
// trapezoid, rectangle), "SULVOCIRCULAR2" and "SULVOIRREGULAR2", which a copy that knows only the original
// sections ignores and keeps on save. Each band is stored with the coefficient it was picked for ("nTabela",
// "RugTabela"k): such a copy may change n and leave the band behind, and a band read back is kept only when
// it still describes the n of the file.
namespace sulvo {

// A section without a band writes nothing into a file that has no band section yet, so a project that never
// used a table band stays exactly in the original format; over an older band it writes zeros.
void GravarFaixaN(const TSulvo& s, TCustomIniFile& ini);
void GravarFaixaN(const TSulvoIrregular& s, TCustomIniFile& ini);

// Reads the bands after the section's own fields and points are in place.
void LerFaixaN(TSulvo& s, TCustomIniFile& ini);
void LerFaixaN(TSulvoIrregular& s, TCustomIniFile& ini);

} // namespace sulvo
