// A style for the main menu bar that places the entries after its separator at the right-hand end.
#pragma once

#include <QProxyStyle>

class TMenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};
