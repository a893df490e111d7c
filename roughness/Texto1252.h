#pragma once

#include <string>
#include <string_view>

// Windows-1252 <-> UTF-8 for the descriptions of the table files.
namespace sulvo::texto1252 {

// Each byte becomes its character; the five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D)
// keep their code points, as the Windows conversion does.
std::string ParaUtf8(std::string_view cp1252);

// Characters outside the code page, and malformed UTF-8 bytes, become "?".
std::string DeUtf8(std::string_view utf8);

} // namespace sulvo::texto1252
