// The table fixture moved to the support folder; kept for the tests that still include it here.
#pragma once
#include "support/table_fixture.h"
