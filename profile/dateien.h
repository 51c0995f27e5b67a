#pragma once

#include <span>
#include <string>
#include <string_view>

// The file operations of the editing logic. Names are Windows-1252 bytes, as
// the path box holds them; relative names resolve against the current
// working directory at the moment of the call. Contents are bytes, read and
// written unchanged. Failures raise laufzeitfehler with a German description
// of the cause: 53 file not found, 70 permission denied, 75 any other access
// error.

// True for an existing file that is not a folder.
bool dateiExistiert(std::string_view name);

// True for an existing folder.
bool ordnerExistiert(std::string_view name);

// The whole content. Never creates a file.
std::string dateiLesen(std::string_view name);

// Replaces the file, or creates it, with exactly `inhalt`. The new content
// goes to a temporary file in the same folder, is flushed to disk and then
// renamed over the old file, so on any failure the old file stays as it was.
// A file without any write permission bit is refused (70) and left alone,
// even for a user whom the system would let replace it. An existing file
// keeps its permission bits and, where the system allows, its owner.
void dateiErsetzen(std::string_view name, std::string_view inhalt);

// The same, but only while the file still holds exactly the pieces of
// `bisher` one after the other: the check runs once the new content is on
// disk, right before the rename. A file that another program changed,
// replaced or removed meanwhile is left as it is (75), so that program's
// change is not lost.
void dateiErsetzen(std::string_view name, std::string_view inhalt,
                   std::span<const std::string_view> bisher);

// For small files in a folder that may not take a new file: replaces the file
// as dateiErsetzen does where a temporary file can be made beside it, and
// writes the existing file in place where it cannot.
void dateiSchreiben(std::string_view name, std::string_view inhalt);
