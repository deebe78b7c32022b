// Moving the record between ConfigBuffer and the controls of the editor pages.
#pragma once

// Stores the pages into ConfigBuffer, just before a save.
void FormToConfig();
// Shows ConfigBuffer on the pages, after an open or a clear.
void ConfigToForm();
