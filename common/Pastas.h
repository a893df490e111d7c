#pragma once

#include <filesystem>

// Where Sulvo's own files live: "Sulvo.ini", the roughness tables "1.cdb" ... "6.cdb", the help file,
// the report pictures and the chart picture "Bit.bmp". The program expects them in one folder that it
// also writes to, its installation folder. A copy unpacked into a user's folder uses the folder of the
// executable; an installed copy under /usr cannot write there and uses the per-user data folder instead,
// filled from the installed files the first time. Everything else asks this module.
namespace sulvo {

// The folder that holds the running executable (from /proc/self/exe), absolute.
std::filesystem::path PastaDoExecutavel();

// $XDG_DATA_HOME/sulvo, or ~/.local/share/sulvo when XDG_DATA_HOME is unset or relative.
std::filesystem::path PastaDadosUsuario();

// The user's documents folder: XDG_DOCUMENTS_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (~/.config when
// unset), else ~/Documents when it exists, else the home folder.
std::filesystem::path PastaDocumentos();

// True when a file can be created in `pasta` (tried, not guessed from permission bits).
bool PastaGravavel(const std::filesystem::path& pasta);

// Copies into `destino` the data files of `origem` (settings, roughness tables, help, pictures) that
// `destino` does not have yet; existing files are never replaced, so the user's edits survive.
void SemearPasta(const std::filesystem::path& origem, const std::filesystem::path& destino);

// The decision itself: `pastaExecutavel` when writable; otherwise `pastaUsuario`, created and seeded from
// the installed copies (the executable's folder and its ../share/sulvo). When even that fails the
// executable's folder is returned, so the later write reports a clear error.
std::filesystem::path EscolherPastaDeInstalacao(const std::filesystem::path& pastaExecutavel,
                                                const std::filesystem::path& pastaUsuario);

// The installation folder of this run, decided once.
std::filesystem::path PastaDeInstalacao();

} // namespace sulvo
