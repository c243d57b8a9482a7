#include "TextFile.h"

#include <QStringDecoder>

#include <array>

namespace plakmund {

namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes that have none keep
// their Latin-1 control character, as Windows and ICU read them.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QByteArray textFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit() + "\r\n";
    return bytes;
}

QString decodeText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Linux's own encoding is UTF-8 too, so there this fails as well.
    QStringDecoder system(QStringDecoder::System);
    text = system(bytes);
    return system.hasError() ? fromWindows1252(bytes) : text;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const auto high = std::find(Windows1252High.begin(), Windows1252High.end(), c);
        if (high != Windows1252High.end())
            bytes[i] = char(0x80 + (high - Windows1252High.begin()));
        else if (c < 0x100 && (c < 0x80 || c >= 0xA0))
            bytes[i] = char(c);
        else
            return std::nullopt;
    }
    return bytes;
}

} // namespace plakmund
