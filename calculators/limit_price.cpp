#include "calculators/calculators.h"
