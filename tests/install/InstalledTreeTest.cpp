// What the installed tree is used for, checked in the prefix that install_tree.sh filled: the
// installed help viewer finds the installed help file, and the rendered icons are what their
// folders say.
#include "HelpFile.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

using namespace plovari;

class InstalledTreeTest : public QObject {
    Q_OBJECT

    const QDir Prefix{QStringLiteral(PLOVARI_TEST_PREFIX)};
    const QString BinDir = Prefix.filePath(QStringLiteral(PLOVARI_INSTALL_BINDIR));
    const QString DataDir = Prefix.filePath(QStringLiteral(PLOVARI_INSTALL_DATADIR));

private slots:
    // `plovari-help Plovari.hlp 3` from <prefix>/bin looks where the help file was installed.
    void HelpViewerFindsInstalledHelpFile() {
        QVERIFY2(QFileInfo(QDir(BinDir), QStringLiteral("plovari-help")).isExecutable(),
                 qPrintable(BinDir + QStringLiteral(" has no plovari-help")));
        const QString found = FindHelpFile(QStringLiteral("Plovari.hlp"), HelpSearchPath(BinDir));
        QCOMPARE(found,
                 Prefix.filePath(QStringLiteral(PLOVARI_INSTALL_GAMEDATADIR "/Plovari.hlp")));
    }

    void PngIconsHaveTheirSizes_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128}) {
            QTest::addRow("%dx%d", size, size) << size;
        }
    }

    void PngIconsHaveTheirSizes() {
        QFETCH(int, size);
        const QString path = QDir(DataDir).filePath(
            QStringLiteral("icons/hicolor/%1x%1/apps/org.example.Plovari.png").arg(size));
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path + QStringLiteral(" is not a readable PNG")));
        QCOMPARE(icon.size(), QSize(size, size));
        // Rendered from the icon, not left blank: the corner is the icon's cyan.
        QCOMPARE(icon.pixelColor(0, 0), QColor(0x00, 0xFF, 0xFF));
    }
};

QTEST_GUILESS_MAIN(InstalledTreeTest)
#include "InstalledTreeTest.moc"
