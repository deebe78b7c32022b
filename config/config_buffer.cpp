#include "config_buffer.h"

TConfigRecord ConfigBuffer{};
