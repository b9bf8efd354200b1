#include "Beta.h"

#include "Alpha.h"
