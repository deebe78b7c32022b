// The help text that Memo1 shows over the editor pages.
#pragma once

#include <QString>

// 156 lines with hard breaks, none longer than 81 characters.
QString HelpText();
