#include "app/TForm5.h"

#include "ui/BakedPictures.h"
#include "ui/Controls.h"
#include "ui/Language.h"
#include "ui/Windows.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

constexpr int splashMilliseconds = 4000;

// The italic lettering of the picture, asked for by the name of the face
// that draws the program's font: looking for the program's own font name
// first, in vain, costs a search for stand-in faces at each new style. Its
// few Latin letters are in every font, so no stand-in is sought for a missing
// letter either.
QFont pictureFont(int pixelSize, bool bold)
{
    QFont font = sansFont(pixelSize, bold, true);
    font.setFamily(QFont::substitute(font.family()));
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

TForm5::TForm5()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(289, 129);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(rect());

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(8, 8), pictureSize));
    const QImage baked
        = BakedPictures::find(pictureName(Language::current()).constData(), pictureSize);
    Image1->setPixmap(baked.isNull() ? picture(pictureSize) : QPixmap::fromImage(baked));

    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 273, 113);

    Label2 = new QLabel(tr("Wolne oprogramowanie na licencji GNU GPL"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAttribute(Qt::WA_TranslucentBackground);
    Label2->move(32, 96);
    Label2->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(splashMilliseconds);
    connectHandler(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    Timer1->start();
}

void TForm5::Timer1Timer()
{
    close();
}

QPixmap TForm5::picture(QSize size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, Colours::peach.lighter(110));
    sky.setColorAt(1, Colours::lightGreen);
    painter.fillRect(pixmap.rect(), sky);

    // A ring of twenty-eight small dots: one cycle, the fertile ones in fuchsia.
    const QPointF centre(52, 50);
    for (int day = 0; day < 28; ++day) {
        const double angle = day * 2 * M_PI / 28 - M_PI / 2;
        const QPointF dot = centre + QPointF(std::cos(angle), std::sin(angle)) * 34;
        const bool fertile = day >= 9 && day <= 16;
        painter.setPen(Qt::NoPen);
        painter.setBrush(fertile ? Colours::fuchsia : Colours::yellow);
        painter.drawEllipse(dot, fertile ? 4.0 : 3.0, fertile ? 4.0 : 3.0);
    }
    painter.setBrush(Colours::fuchsia.darker(140));
    painter.drawEllipse(centre, 9, 9);

    painter.setPen(QColor(90, 30, 90));
    painter.setFont(pictureFont(30, true));
    painter.drawText(QRect(98, 14, size.width() - 104, 40), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Miravela"));
    painter.setFont(pictureFont(16, false));
    painter.drawText(
        QRect(100, 54, size.width() - 104, 24), Qt::AlignLeft | Qt::AlignVCenter, tr("wersja 2.0"));
    return pixmap;
}

QByteArray TForm5::pictureName(const QString &language)
{
    const QByteArray name = "splash";
    return language == Language::polish ? name : name + '_' + language.toLatin1();
}
