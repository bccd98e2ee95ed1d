#pragma once

#include <QDate>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A date edit: a masked line in the locale's short date order (two-digit day
// and month, a two-digit year unless the locale writes four) that shows only
// its separators while empty, and a button that opens the calendar dialog
// "Data". dateEntered() is raised once for each new date: when typing makes
// the text a complete, valid date, and when the dialog confirms a day other
// than the one shown.
class DateEdit : public QWidget {
    Q_OBJECT

public:
    DateEdit(const QString &objectName, QWidget *parent);

    QString text() const;
    // The date shown; invalid while the text is incomplete or no date.
    QDate date() const;
    // Shows `date`, as the calendar dialog does; raises dateEntered() when the
    // text changes.
    void setDate(QDate date);
    // What the dialog button does.
    void openCalendar();

    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *button() const { return m_button; }

    // "dd.MM.yyyy" for a system short date "d.MM.yyyy", "MM/dd/yy" for "M/d/yy".
    static QString displayFormat(const QString &systemShortFormat);

Q_SIGNALS:
    void dateEntered();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void typed();

    QString m_format;
    QLineEdit *m_edit;
    QToolButton *m_button;
    QString m_lastEntered;
};
