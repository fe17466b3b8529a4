#pragma once

namespace qv {

// Starts the setup program of every other pair lying beside this one, one
// after another, and waits for each. Always 1.
int RunSiblingSetups();

}  // namespace qv
