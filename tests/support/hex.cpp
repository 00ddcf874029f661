#include "support/hex.h"
