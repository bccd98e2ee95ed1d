#include "app/TForm5.h"
#include "support/ProgramFixture.h"
#include "ui/BakedPictures.h"
#include "ui/Language.h"
#include "ui/ProgramIcon.h"

#include <QLabel>
#include <QTest>

// The pictures baked at build time are the ones the program's code draws now.
class TestBakedPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowIcon()
    {
        for (int size : windowIconSizes) {
            const QImage baked = BakedPictures::find("programIcon", QSize(size, size));
            QVERIFY2(!baked.isNull(), qPrintable(QString::number(size)));
            QCOMPARE(baked, drawProgramIcon(size).convertToFormat(baked.format()));
            QCOMPARE(programIcon(size).constBits(), baked.constBits());
        }
        QVERIFY(BakedPictures::find("programIcon", QSize(128, 128)).isNull());
        QCOMPARE(programIcon(128), drawProgramIcon(128));
    }

    // One splash picture for each language, its lettering in that language.
    void splash()
    {
        applyProgramAppearance(); // the fonts the picture was drawn with
        const QString session = Language::current();
        QList<QImage> pictures;
        for (const QString &language : Language::available()) {
            Language::use(language);
            const QImage baked = BakedPictures::find(
                TForm5::pictureName(language).constData(), TForm5::pictureSize);
            QVERIFY2(!baked.isNull(), qPrintable(language));
            const QImage drawn = TForm5::picture(TForm5::pictureSize).toImage();
            QCOMPARE(baked, drawn.convertToFormat(baked.format()));
            TForm5 splash;
            QCOMPARE(splash.Image1->pixmap().toImage().convertToFormat(baked.format()), baked);
            QVERIFY(!pictures.contains(baked));
            pictures << baked;
        }
        Language::use(session);
        QVERIFY(pictures.size() >= 2); // Polish and English
    }
};

QTEST_MAIN(TestBakedPictures)
#include "tst_BakedPictures.moc"
