#pragma once

#include <QByteArray>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// The splash window: the program's picture above the main window for about
// four seconds after start-up. Its timer runs from the moment it is created.
class TForm5 : public QWidget {
    Q_OBJECT

public:
    TForm5();

    QFrame *Panel1;
    QLabel *Image1;
    QFrame *Bevel1;
    QLabel *Label2;
    QTimer *Timer1;

    void Timer1Timer();

    // The splash picture, drawn rather than shipped as a bitmap, in the
    // interface's language; the window shows the copy baked at build time
    // for that language when the executable carries one.
    static QPixmap picture(QSize size);
    // The name the picture is baked under for a language.
    static QByteArray pictureName(const QString &language);
    static constexpr QSize pictureSize { 273, 113 };
};
