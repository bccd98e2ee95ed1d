#pragma once

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QString>

#include <vector>

struct KeptCopy;
class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class TFormN;
class TTextDataSet;

// "Przywróć kopię": the backup copies of Daty.txt and of the note pads, newest
// first, each with what it holds. The copy she picks is brought back in place
// of its file, which is kept as a copy first, and the program shows it at
// once: the entries through their record set, a pad in its editor.
class TFormK : public QDialog {
    Q_OBJECT

public:
    TFormK(TTextDataSet &entries, TFormN &pads);

    // Lists the copies as they are now, and shows the window or brings it to the front.
    void showCopies();

    // Controls.
    QLabel *Label1, *Label2, *Label3;
    QTreeWidget *ListView1;
    QTextEdit *RichEdit1;
    QPushButton *Button1, *Button2;

    // Handlers.
    void ListView1Change(); // another copy selected: its contents
    void Button1Click(); // "Przywróć"
    void Button2Click(); // "Zamknij"

private:
    struct Listed {
        QString path;
        QString fileName; // of the file it is a copy of
        QString madeText;
        QString problem; // why it cannot be brought back; empty when it can
    };

    // What a copy's bytes hold, in a few words, or why they cannot be brought back.
    struct Judgement {
        QString holds;
        QString problem;
    };

    void listCopies(const QString &selectedPath = {});
    const Listed *selected() const;
    bool isEntries(const QString &fileName) const;
    QByteArray readCopy(const QString &path, const QString &fileName, QString &problem) const;
    Judgement judge(const QString &fileName, const QByteArray &bytes) const;
    void showContents(const QString &fileName, const QByteArray &bytes);
    bool hasUnsavedChanges(const QString &fileName);
    void restore(const QString &fileName, const QByteArray &bytes);
    void reload(const QString &fileName);

    // What a copy was found to hold, kept while the copy stays as it was: a
    // long list of big pads is read once, not every time it is shown.
    struct Seen {
        qint64 size;
        QDateTime modified;
        Judgement judgement;
    };
    Judgement judgeCopy(const KeptCopy &copy, QHash<QString, Seen> &seen) const;

    TTextDataSet &m_entries;
    TFormN &m_pads;
    std::vector<Listed> m_copies; // in the order of the list's rows
    QHash<QString, Seen> m_seen; // by the copy's path
};
