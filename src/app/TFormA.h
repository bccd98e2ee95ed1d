#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class StatusBar;

// The about box "  About": name and version, the program's icon and a few
// lines on what kind of program it is and where its sources are described.
class TFormA : public QWidget {
    Q_OBJECT

public:
    TFormA();

    QFrame *Bevel1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLabel *Image1;
    QPushButton *Button1;
    StatusBar *StatusBar1;

    void Button1Click();

    // The program's icon, drawn rather than shipped as a bitmap.
    static QPixmap icon();
};
