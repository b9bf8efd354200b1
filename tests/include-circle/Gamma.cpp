// Uses both without being used: not part of the circle.
#include "Alpha.h"
