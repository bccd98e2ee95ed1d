#include "app/InfoWindow.h"

#include "ui/AccessibleRoles.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace {

constexpr int statusBarHeight = 19;
constexpr int captionHeight = 41;
constexpr int captionPixels = 16;
constexpr int textPixels = 13;

} // namespace

StatusBar *makeInfoWindow(
    QWidget *window, const QString &objectName, const QString &caption, QSize clientSize)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    // A dialog's border: a close button and no minimise or maximise.
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAccessibleRole(window, QAccessible::Dialog);
    window->setFixedSize(clientSize);
    return new StatusBar(QStringLiteral("StatusBar1"), statusBarHeight, window);
}

InfoTextWindow::InfoTextWindow(const QString &objectName, const QString &caption, QSize clientSize,
    const QRect &memoPlace, const QString &text)
{
    StatusBar1 = makeInfoWindow(this, objectName, caption, clientSize);

    Panel1 = new QLabel(caption, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFont(sansFont(captionPixels));
    Panel1->setGeometry(0, 0, clientSize.width(), captionHeight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(memoPlace);
    Memo1->setFont(sansFont(textPixels));
    Memo1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    Memo1->setPlainText(text);
    Memo1->setAccessibleName(caption); // the caption panel above names the text
    Memo1->setReadOnly(true);
    // Read-only alone would leave selecting to the mouse.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Where the text runs under the status bar, the bar stays in front.
    StatusBar1->raise();
}
