#pragma once

#include <string>
#include <string_view>

// The project and settings files are 8-bit text in the Windows-1252 code page; everything in
// memory is UTF-8. These convert at the file boundary.
namespace sulvo {

// Every byte becomes its Windows-1252 character. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same number, as Windows maps them,
// so that any byte sequence survives a round trip.
std::string Cp1252ParaUtf8(std::string_view texto);

// Characters outside Windows-1252 become "?"; so does every byte of malformed UTF-8.
std::string Utf8ParaCp1252(std::string_view texto);

// Equality of two UTF-8 texts ignoring the letter case of the letters of Windows-1252
// (ASCII, the accented Latin letters, Š, Œ, Ž, Ÿ): how file and path names are compared.
bool IguaisSemCaixa(std::string_view a, std::string_view b);

// One Windows-1252 byte folded to lower case (the same letters as above).
char MinusculaCp1252(char c);

} // namespace sulvo
