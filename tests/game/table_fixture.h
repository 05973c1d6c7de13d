// The table fixture lives in tests/support; this name is kept for the tests that include it here.
#pragma once
#include "support/table_fixture.h"
