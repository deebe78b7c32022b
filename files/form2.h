// The removable-drive browser: the plain-mode File > Open.
#pragma once

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // Shows the window (scanning the drives) or, when it is already shown, brings it to the front.
    void ShowBrowser();
};

extern TForm2 *Form2;
