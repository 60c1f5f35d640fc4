#include "components/IcoFile.h"

#include <QImage>
#include <QtEndian>
#include <QtTest>

class TestIcoFile : public QObject {
    Q_OBJECT
private slots:
    // One picture gives one file, whatever lay in memory before; the transparency mask
    // marks exactly the clear pixels and nothing past the picture's width.
    void samePictureSameBytes() {
        QImage picture(48, 48, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 20; ++x)
                picture.setPixel(x, y, qRgba(200, 0, 0, 255));
        const QByteArray first = IcoFile::Encode({picture});
        QVERIFY(!first.isEmpty());
        for (int run = 1; run < 30; ++run) {
            // Memory left full of something else before each encoding.
            QList<QByteArray> junk;
            for (int i = 0; i < 50; ++i)
                junk << QByteArray(64 + 37 * i, char(0x5A + run + i));
            junk.clear();
            QCOMPARE(IcoFile::Encode({picture}), first);
        }
        const auto offset = qFromLittleEndian<quint32>(first.constData() + 6 + 12);
        const char* mask = first.constData() + offset + 40 + 48 * 48 * 4;
        for (int row = 0; row < 48; ++row) {
            const QByteArray bits(mask + row * 8, 8);
            // Rows run bottom-up; 20 opaque pixels, 28 clear, 16 bits of padding.
            QCOMPARE(bits.toHex(), QByteArray("00000fffffff0000"));
        }
    }
};

QTEST_GUILESS_MAIN(TestIcoFile)
#include "test_icofile.moc"
