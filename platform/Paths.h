#pragma once
// Where Quillmar keeps its files on Linux, and the one rule that decides
// whether two paths name the same document. Plain C++: the settings store and
// the file code use it without Qt.

#include <filesystem>
#include <string>

namespace paths {

// "The Windows directory": the settings folder ($XDG_CONFIG_HOME/quillmar),
// created when missing. Settings files named without a folder live here.
std::filesystem::path settingsDir();

// "The program's directory": the data folder ($XDG_DATA_HOME/quillmar),
// created when missing. Templates, macros, plug-ins and lists live here.
std::filesystem::path dataDir();

// The folder of files delivered with the program (installed share folder, or
// the source tree's data/ when run from a build tree).
std::filesystem::path deliveredDataDir();

// The help pages, read in place from the delivered data (never copied).
std::filesystem::path helpDir();

// Copies every delivered data file that is missing from dataDir() into it;
// a file the user already has is never overwritten. Help pages are skipped.
// Returns the number of files copied.
int installDeliveredData();

// A settings file name as the profile functions take it: a bare name lives in
// settingsDir(), a name with a folder is used as given.
std::filesystem::path profileFile(const std::string& name);

// A data file name: a bare name lives in dataDir().
std::filesystem::path dataFile(const std::string& name);

// Document identity: the absolute, clean path with its folder in canonical
// form (symbolic links resolved), and the name resolved too when it is a
// link. Computed the same whether or not the file exists yet. Case is kept
// (Linux file names keep their case), so identities compare exactly.
std::string documentIdentity(const std::string& path);
bool sameDocument(const std::string& a, const std::string& b);

// The user's home folder (the default start-up directory).
std::filesystem::path homeDir();

}  // namespace paths
