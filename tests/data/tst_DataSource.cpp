#include "data/TDataSource.h"
#include "data/TTextDataSet.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestDataSource : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rowsFollowTheSet();
    void showsDecodedField();
    void editedRowShowsTypedValue();
    void newRecordShownOnlyAfterPost();
    void relaysCurrentRow();
    void survivesTheSet();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TTextDataSet> m_dataSet;
    std::unique_ptr<TDataSource> m_source;

    void openWith(const QByteArray &bytes);
    QString shown(int row) const;
};

void TestDataSource::init()
{
    m_source.reset();
    m_dataSet.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dataSet = std::make_unique<TTextDataSet>();
    m_dataSet->setFileName(m_dir->filePath("Daty.txt"));
    m_source = std::make_unique<TDataSource>(m_dataSet.get());
    using Mode = QAbstractItemModelTester::FailureReportingMode;
    new QAbstractItemModelTester(m_source.get(), Mode::QtTest, m_source.get());
}

void TestDataSource::openWith(const QByteArray &bytes)
{
    QFile file(m_dataSet->fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    m_dataSet->open();
}

QString TestDataSource::shown(int row) const
{
    return m_source->data(m_source->index(row, 0)).toString();
}

void TestDataSource::rowsFollowTheSet()
{
    QCOMPARE(m_source->dataSet(), m_dataSet.get());
    QCOMPARE(m_source->rowCount(), 0);
    openWith("a\r\nb\r\n");
    QCOMPARE(m_source->rowCount(), 2);
    QCOMPARE(m_source->columnCount(), 1);

    QSignalSpy resets(m_source.get(), &QAbstractItemModel::modelReset);
    m_dataSet->append();
    m_dataSet->setLine("c");
    m_dataSet->post();
    QCOMPARE(m_source->rowCount(), 3);
    QCOMPARE(shown(2), u"c"_s);
    m_dataSet->first();
    m_dataSet->deleteRecord();
    QCOMPARE(m_source->rowCount(), 2);
    QCOMPARE(shown(0), u"b"_s);
    QCOMPARE(resets.count(), 2);

    m_dataSet->close();
    QCOMPARE(m_source->rowCount(), 0);
    QCOMPARE(resets.count(), 3);
}

void TestDataSource::showsDecodedField()
{
    const QByteArray longLine = QByteArray(239, 'x') + "\xb3\xf3\xbf";
    openWith("Zaj\xea\xe6 \x84"
             "cze\x9c\xe6"
             "\x94\r\n\r\n"
        + longLine + "\r\n");
    QCOMPARE(shown(0), u"Zajęć „cześć”"_s);
    QVERIFY(m_source->data(m_source->index(1, 0)).toString().isEmpty());
    QCOMPARE(shown(2), QString(239, u'x') + u'ł');
    QVERIFY(!m_source->data(m_source->index(0, 0), Qt::EditRole).isValid());
}

void TestDataSource::editedRowShowsTypedValue()
{
    openWith("a\r\nb\r\n");
    m_dataSet->next();
    QSignalSpy changed(m_source.get(), &QAbstractItemModel::dataChanged);
    m_dataSet->edit();
    m_dataSet->setLine("\xb9");
    QCOMPARE(shown(1), u"ą"_s);
    QCOMPARE(shown(0), u"a"_s);
    QVERIFY(changed.count() >= 1);
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);

    m_dataSet->cancel();
    QCOMPARE(shown(1), u"b"_s);
    QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
}

void TestDataSource::newRecordShownOnlyAfterPost()
{
    openWith("a\r\n");
    QSignalSpy changed(m_source.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy resets(m_source.get(), &QAbstractItemModel::modelReset);
    m_dataSet->append();
    m_dataSet->setLine("b");
    QCOMPARE(m_source->rowCount(), 1);
    m_dataSet->post();
    QCOMPARE(changed.count(), 0); // the new row is not announced before the reset
    QCOMPARE(resets.count(), 1);
    QCOMPARE(shown(1), u"b"_s);
}

void TestDataSource::relaysCurrentRow()
{
    QSignalSpy rows(m_source.get(), &TDataSource::currentRowChanged);
    openWith("a\r\nb\r\nc\r\n");
    m_dataSet->last();
    m_dataSet->prior();
    m_dataSet->deleteRecord();
    m_dataSet->deleteRecord();
    m_dataSet->deleteRecord();
    QList<int> seen;
    for (const QList<QVariant> &arguments : rows)
        seen << arguments.at(0).toInt();
    QCOMPARE(seen, (QList<int> { 0, 2, 1, 1, 0, -1 }));
}

void TestDataSource::survivesTheSet()
{
    openWith("a\r\n");
    m_dataSet.reset();
    QCOMPARE(m_source->dataSet(), nullptr);
    QCOMPARE(m_source->rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_DataSource.moc"
