#include "menu_bar_style.h"

int TMenuBarStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    // The menu bar right-justifies the entries that follow a separator when the style draws one.
    if (hint == SH_DrawMenuBarSeparator)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
