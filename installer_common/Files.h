#pragma once
// File and directory operations of the installers' custom file steps, the run-time directory
// search and the free-space display. None reports an error to the user or raises one: callers
// see failures only through the Boolean or count results. Paths are plain Windows paths; a
// wildcard may stand in the last component of a mask ("C:\src\*.txt").
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the directory with every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& path);

// Appends `text` to the file, creating it when missing. A nonzero `fileTime` (a FILETIME as
// one number, UTC) becomes the file's time stamp; 0 keeps the one the write set. True when the
// whole text was written.
bool AppendToFile(const std::string& file, const std::string& text, std::uint64_t fileTime);
// Free bytes on the drive of `path` (its first letter; the current drive for ""), or -1 when
// Windows cannot tell.
double DiskFreeBytes(const std::string& path);

// --- Depth-first searches -------------------------------------------------------------------
// Directories are visited in the order the file system lists them; links (junctions, symbolic
// links) are not followed, so a search always ends. `keepGoing`, when given, is called once per
// directory visited; when it returns false the search stops and reports nothing found. An
// empty name is never searched for and gives "".
using SearchProgress = std::function<bool(const std::string& directory)>;

// The first file named `name` in `directory` or below; "" when none.
std::string FindFileBelow(const std::string& directory, const std::string& name,
                          const SearchProgress& keepGoing = nullptr);
// The first directory (from `directory` itself on) whose whole path ends with `name` ignoring
// case: "\App" matches only a directory called App, "App" also "MyApp".
std::string FindDirBelow(const std::string& directory, const std::string& name,
                         const SearchProgress& keepGoing = nullptr);
// FindFileBelow from the root of each drive C: to Z: of the given Windows drive type
// (DRIVE_FIXED, DRIVE_REMOTE), in letter order; the first hit.
std::string FindFileOnDrives(const std::string& name, UINT driveType,
                             const SearchProgress& keepGoing = nullptr);
std::string FindDirOnDrives(const std::string& name, UINT driveType,
                            const SearchProgress& keepGoing = nullptr);

// The drives the searches visit: root folder and drive type.
using SearchDrive = std::pair<std::string, UINT>;
std::vector<SearchDrive> SearchDrives();
// Makes the drive searches visit `drives` (copied) instead of C: to Z:; null restores them.
// Tests use it to search a folder of their own instead of whole disks.
void SetSearchDrivesForTest(const std::vector<SearchDrive>* drives);

// --- Copy, rename, delete -------------------------------------------------------------------

// Deletes every file that matches the mask; `clearAttributes` first makes read-only files
// deletable.
void DeleteFiles(const std::string& mask, bool clearAttributes);
// Deletes the directory and everything below it. Does nothing for "" and for a drive root or
// a lone "\" (what an unset directory expands to). Links below it are removed, never followed.
void DeleteTree(const std::string& directory, bool clearAttributes);
// Copies the tree `source` into `target`, replacing files. Does nothing when both are the same
// directory, when `source` is not a directory, or when `target` lies inside `source`.
void CopyTree(const std::string& source, const std::string& target);
// Copies the files matching `mask` to `target` (a directory, or a directory and a name
// pattern, see TargetNameFor); with `createDirs` the target directory is created first.
// Without a "*" in either, copies one file. Returns the number of files copied.
int CopyFiles(const std::string& mask, const std::string& target, bool createDirs);
// Renames the files matching `mask` inside their own directory to the pattern of `target`.
// Without a "*" in either, moves one file. Returns the number of files renamed.
int RenameFiles(const std::string& mask, const std::string& target);
// Renames or moves a directory to `target` (a full path, or a bare new name beside `source`).
// Writes the trace line ">source<    >new path<" to the debug channel.
bool RenameDir(const std::string& source, const std::string& target);
