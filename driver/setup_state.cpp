#include "driver/setup_state.h"

namespace qv {

SetupState g_state;

}  // namespace qv
