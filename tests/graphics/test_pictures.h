// The picture builders moved to support/bitmap_file.h; this name stays for
// the tests that include it.
#pragma once
#include "support/bitmap_file.h"
