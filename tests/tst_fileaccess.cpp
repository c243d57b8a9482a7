#include "FileAccess.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

class TestFileAccess : public QObject {
    Q_OBJECT

private slots:
    void verifyFileContents_data();
    void verifyFileContents();
};

void TestFileAccess::verifyFileContents_data()
{
    QTest::addColumn<QByteArray>("stored"); // "-" for no file at all
    QTest::addColumn<QString>("error");     // "" when the check passes

    const QString differs = QStringLiteral("what was read back differs from what was written");
    QTest::newRow("same bytes") << Pattern(5000, 1) << "";
    QTest::newRow("one byte differs") << Pattern(4999, 1) + "x" << differs;
    QTest::newRow("shorter") << Pattern(4999, 1) << differs;
    QTest::newRow("longer") << Pattern(5001, 1) << "it could not be read back: the file is longer than 5000 bytes";
    QTest::newRow("gone") << QByteArray("-") << "it could not be read back: the file does not exist";
}

void TestFileAccess::verifyFileContents()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    if (stored != "-")
        WriteFile(path, stored);

    const Status verified = VerifyFileContents(path, Pattern(5000, 1));

    QCOMPARE(verified.ok(), error.isEmpty());
    if (!verified.ok())
        QCOMPARE(verified.error(), error);
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
