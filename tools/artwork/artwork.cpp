#include "artwork.h"
#include "sounds.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>

namespace art {

QPen ink(double width) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, double width) {
    p.setPen(width > 0 ? ink(width) : Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void ellipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill, double width) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    fillOutlined(p, path, fill, width);
}

double Dice::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0;
}

// Keeps the most used colours (after a coarse 5-bit cut) and maps every pixel to the
// nearest of them. A picture with see-through parts keeps them: colour 0 is clear, and
// a pixel more than half see-through takes it.
QImage quantize(const QImage& image, int colours) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const auto clear = [](QRgb c) { return qAlpha(c) < 128; };
    QHash<QRgb, int> counts;
    bool anyClear = false;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            anyClear = anyClear || clear(c);
            if (!clear(c)) ++counts[c & 0xF8F8F8];
        }
    QVector<QPair<int, QRgb>> ranked;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        ranked.push_back({it.value(), it.key()});
    std::sort(ranked.begin(), ranked.end(), [](auto a, auto b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    QVector<QRgb> table;
    if (anyClear) table.push_back(qRgba(0, 0, 0, 0));
    const int opaque = table.size();
    for (int i = 0; i < ranked.size() && table.size() < colours; ++i)
        table.push_back(ranked[i].second | 0xFF000000);
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            if (clear(c)) {
                out.setPixel(x, y, 0);
                continue;
            }
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int best = opaque;
                long bestD = -1;
                for (int i = opaque; i < table.size(); ++i) {
                    const long dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]),
                               db = qBlue(c) - qBlue(table[i]);
                    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                    if (bestD < 0 || d < bestD) bestD = d, best = i;
                }
                it = nearest.insert(c, best);
            }
            out.setPixel(x, y, static_cast<uint>(*it));
        }
    return out;
}

}  // namespace art

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The Windows icon: every size of the game's icon in one .ico file, each stored as PNG.
bool saveIco(const QList<QImage>& images, const QString& path) {
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return false;
        pngs << buffer.data();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QDataStream ico(&file);
    ico.setByteOrder(QDataStream::LittleEndian);
    ico << quint16(0) << quint16(1) << quint16(images.size());  // an icon, n images
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        ico << quint8(side >= 256 ? 0 : side) << quint8(side >= 256 ? 0 : side)  // 0 means 256
            << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size())
            << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) ico.writeRawData(png.constData(), png.size());
    return ico.status() == QDataStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    QDir().mkpath(out + "/pictures");
    QDir().mkpath(out + "/icons");
    bool ok = save(art::quantize(art::titlePicture(), 256), out + "/pictures/title.png");
    for (int i = 0; i <= 13; ++i)
        ok &= save(art::quantize(art::portrait(i), 256),
                   out + QStringLiteral("/pictures/kao%1.png").arg(i, 2, 10, QChar('0')));
    for (int i = 0; i < 6; ++i)
        ok &= save(art::quantize(art::soldierIcon(i), 16),
                   out + QStringLiteral("/pictures/icon%1.png").arg(i));
    for (int i = 0; i < 2; ++i)
        ok &= save(art::quantize(art::banner(i), 256),
                   out + QStringLiteral("/pictures/banner%1.png").arg(i));
    ok &= save(art::quantize(art::endingPicture(), 16), out + "/pictures/ending.png");
    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icons << art::appIcon(size);
        ok &= save(icons.last(), out + QStringLiteral("/icons/zentar-%1.png").arg(size));
    }
    ok &= saveIco(icons, out + "/icons/zentar.ico");
    for (int size : {192, 512})  // the page's, for a phone's home screen
        ok &= save(art::appIcon(size), out + QStringLiteral("/icons/zentar-%1.png").arg(size));
    ok &= art::writeSounds(out);
    return ok ? 0 : 1;
}
