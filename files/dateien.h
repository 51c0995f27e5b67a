#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The file operations of the editing logic, one header for the POSIX and the
// Win32 implementation. Names are UTF-8, so that a folder may be named in any
// script: Windows gets them as UTF-16 (long ones made absolute, with the
// "\\?\" prefix), other systems get the bytes as they are. Relative names
// resolve against the current working directory at the moment of the call.
// Contents are bytes, read and written unchanged.
// Failures raise laufzeitfehler with a German description of the cause:
// 52 a name no file can have (a NUL, on Windows a forbidden character),
// refused before any file is touched; 53 file not found, 70 permission
// denied (also a file that another program holds open and locked, each
// operation with a text of its own), 75 any other access error. A write
// beyond the file size limit is reported (75): the POSIX writes ignore
// SIGXFSZ, which would otherwise end the program.

// The separator between a folder and a name: `pfadtrenner` is the one the
// program adds, `pfadtrennzeichen` every one the system takes (Windows
// takes "/" as well as "\").
#ifdef _WIN32
inline constexpr char pfadtrenner = '\\';
inline constexpr std::string_view pfadtrennzeichen = "\\/";
#else
inline constexpr char pfadtrenner = '/';
inline constexpr std::string_view pfadtrennzeichen = "/";
#endif

// True for an existing file that is not a folder.
bool dateiExistiert(std::string_view name);

// True for an existing folder.
bool ordnerExistiert(std::string_view name);

// True for an existing file that dateiErsetzen refuses for its read-only
// state: without any write permission, or one the user may not write (on
// Windows: with the read-only attribute). So a caller can say so before it
// asks anything.
bool schreibgeschuetzt(std::string_view name);

// True where the folder of the file `name` exists but will not take a new
// file from this user, so that no safe replace of the file can succeed.
// Windows grants that through access control lists, which only the attempt
// tells: there it is always false, and the replace itself reports.
bool ordnerNimmtKeineDatei(std::string_view name);

// A file's size and last write time, in nanoseconds since 1970 UTC: cheap
// to get, and different after nearly every write, so that a file whose
// stamp stayed need not be read again to see that it did not change.
struct dateistempel {
    std::uint64_t groesse = 0;
    std::int64_t geaendert = 0;

    bool operator==(const dateistempel&) const = default;
};

// The stamp of an existing file that is not a folder; nothing for one that
// cannot be examined.
std::optional<dateistempel> dateiStempel(std::string_view name);

// The whole content. Never creates a file.
std::string dateiLesen(std::string_view name);

// The content block by block, for a file that may be far larger than what
// is needed of it: `weiter` gets each block in order and ends the read by
// returning false.
void dateiBlockweiseLesen(std::string_view name,
                          const std::function<bool(std::string_view block)>& weiter);

// Replaces the file, or creates it, with exactly `inhalt`. The new content
// goes to a temporary file in the same folder, is flushed to disk and then
// moved over the old file, so on any failure the old file stays as it was
// and the temporary file is removed. A file without any write permission
// (on Windows: with the read-only attribute) is refused (70) and left
// alone, even for a user whom the system would let replace it. A new file
// gets the permissions any new file of the user gets.
// POSIX: every failure up to the folder's flush after the move is
// reported. An existing file keeps its permissions, its access control list
// and other extended attributes, its owner where the system allows and else
// its group. A name that is a symbolic link is followed by the system, with
// the system's checks; the file it leads to is replaced and the link stays.
// Windows: there is no folder flush; a new file is moved with
// MOVEFILE_WRITE_THROUGH, and NTFS's journal keeps a replace's name change.
// ReplaceFileW keeps an existing file's attributes, access control list and
// alternate streams, but not its owner: the file then belongs to the user
// who saved. The old file stands under a backup name during the replace;
// where it cannot be put back, it is copied to "ApplicationSettings.xml
// (bisherige Fassung" eight letters or digits ")" beside it, or, where no
// copy can be made, left under the backup name marked read-only, and the
// message names that file, which no later save removes. Once the new file is in
// place the save has succeeded: an old version that another program holds
// beyond the wait below stays under its backup name (".ApplicationSettings.xml
// .bisher" and eight letters or digits) and the next save into that folder
// removes it, with any other such leftover of the program there. A move that
// another program blocks for a moment (a virus scanner, an indexer or a sync
// tool holding the old or the new file) is tried again after growing pauses,
// up to two seconds in all, and only then reported. Junctions and links in
// the folder part are followed by the system; what ReplaceFileW does with a
// name that is itself a symbolic link is not tested, as Wine makes neither.
void dateiErsetzen(std::string_view name, std::string_view inhalt);

// The same, but only while the file still holds exactly the pieces of
// `bisher` one after the other: the check runs once the new content is on
// disk, right before the move, and again before each further attempt. A
// file that another program changed, replaced or removed meanwhile is left
// as it is (75), so that program's change is not lost.
void dateiErsetzen(std::string_view name, std::string_view inhalt,
                   std::span<const std::string_view> bisher);

// For small files in a folder that may not take a new file: replaces the file
// as dateiErsetzen does where a temporary file can be made beside it, and
// writes the existing file in place where it cannot. In place, the file is
// emptied first and then written, and a write that fails part way puts the
// old text back, so that the file holds the old text, the new text or, after
// a crash between emptying and writing, nothing; never a mix of both. On
// Windows the in-place open waits for another program as a move does.
void dateiSchreiben(std::string_view name, std::string_view inhalt);

// Makes the folder `name` where it is missing; the folder it lies in must
// exist. Something other than a folder under that name is refused (75).
void ordnerAnlegen(std::string_view name);

// The names, without the folder, of the files in the folder `ordner` that are
// not folders themselves, in no particular order.
std::vector<std::string> dateienIn(std::string_view ordner);

// Removes the file `name`; one that is gone already counts as removed. On
// Windows a file that another program holds for a moment is waited for as a
// move is.
void dateiLoeschen(std::string_view name);

// Sets the hook that hears of the pauses above: `melden(true)` when an
// operation starts waiting for another program to let go of a file,
// `melden(false)` when it is done. The window shows its wait cursor in
// between. Only the Win32 half waits.
void wartenMelden(std::function<void(bool)> melden);
