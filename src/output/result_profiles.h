#pragma once

#include <string_view>

namespace vexlin {

class TIniFile;
class TPanels;
class TTrapeziumList;

// The profiles a saved result uses, kept in its layouts file in the profile file's storage
// under a section head ("LYTSTR", "LYTSTR0TZ", "LYTSTR0", ...), so that the result is drawn,
// measured and cut by the outlines it was made with whatever profiles are loaded later.

// Writes the shape record of every profile part type of parts that shapes holds.
void SaveResultProfiles(TIniFile& ini, std::string_view head, const TPanels& parts,
                        const TTrapeziumList& shapes);

// True when the file holds the profile sections. Rebuilds their shape records into shapes
// (emptied first); an entry that cannot be rebuilt is left out, so that its pieces show up
// as pieces of an unknown profile.
bool ReadResultProfiles(const TIniFile& ini, std::string_view head, TTrapeziumList& shapes);

}  // namespace vexlin
