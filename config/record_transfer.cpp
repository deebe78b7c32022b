#include "record_transfer.h"

// The pages arrive with their controls; until then the record is saved as it stands.
void FormToConfig() {}
void ConfigToForm() {}
