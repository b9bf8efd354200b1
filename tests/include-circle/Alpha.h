#pragma once
// A unit that uses Beta, whose source file uses this unit back: the include check must fail here.
#include "Beta.h"
