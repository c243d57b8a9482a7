// Writes a picture's pixels as the window paints them: 32-bit RGB words
// (0xffRRGGBB in this machine's byte order), rows top to bottom with nothing
// between them, so that the program can show them in place without decoding.
// Usage: raw_pixels PICTURE OUTPUT
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: raw_pixels PICTURE OUTPUT\n");
        return 2;
    }
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "raw_pixels: %s can not be read as a picture\n", argv[1]);
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    const QByteArrayView pixels(picture.constBits(), picture.sizeInBytes());
    if (!output.open(QIODevice::WriteOnly) || output.write(pixels.data(), pixels.size()) != pixels.size() || !output.commit()) {
        std::fprintf(stderr, "raw_pixels: %s can not be written: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
