#pragma once

#include <string>

// Copies every extended attribute of the open file `von` to the open file
// `nach`, the access control list among them. A file system without
// extended attributes has none to copy. An attribute that cannot be set on
// the new file, and that the new file does not already carry with the same
// value, stops the replace with a German message saying so.
void attributeUebertragen(int von, int nach, const std::string& name);
