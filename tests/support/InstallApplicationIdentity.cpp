// Every test program runs as the application does: its messages carry the application's caption and its
// profile lives under the application's key.
#include "data/ApplicationIdentity.h"

namespace {
const bool installed = (installApplicationIdentity(), true);
} // namespace
