// The one record the editor holds: all zero at start.
#pragma once

#include "config_record.h"

extern TConfigRecord ConfigBuffer;
