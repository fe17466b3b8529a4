#pragma once

namespace qv {

// Finds the dictionary directories of the Word 7, Word 8 and stand-alone
// hosts and settles the user directory, into g_state.
void DiscoverHost();
bool AnyHostFound();

}  // namespace qv
