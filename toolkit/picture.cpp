#include "toolkit/picture.h"

#include <QHash>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <cstring>
#include <memory>

namespace {

struct Key
{
    QString path;
    int w; // device pixels
    int h;
    int ratio; // device pixel ratio in hundredths: the same pixels at another ratio are another picture
    bool operator==(const Key &o) const { return w == o.w && h == o.h && ratio == o.ratio && path == o.path; }
};

size_t qHash(const Key &k, size_t seed = 0)
{
    return ::qHash(k.path, seed) ^
           (static_cast<size_t>(k.w) * 31 + static_cast<size_t>(k.h) * 7 + static_cast<size_t>(k.ratio));
}

QHash<Key, QPixmap> &renderings()
{
    static QHash<Key, QPixmap> cache;
    return cache;
}

QHash<Key, QImage> &tiles()
{
    static QHash<Key, QImage> cache;
    return cache;
}

QSize devicePixels(QSize size, qreal dpr)
{
    return QSize(qRound(size.width() * dpr), qRound(size.height() * dpr));
}

// A picture is rendered once per size and ratio; `make` turns the rendering at
// device pixels into what the cache keeps.
template <class T, class Make>
const T &rendered(QHash<Key, T> &cache, const QString &path, QSize size, qreal dpr, Make make)
{
    static const T none;
    if (path.isEmpty() || size.isEmpty())
        return none;
    const QSize device = devicePixels(size, dpr);
    const Key key{path, device.width(), device.height(), qRound(dpr * 100)};
    auto it = cache.find(key);
    if (it == cache.end()) {
        T made = make(device);
        made.setDevicePixelRatio(dpr);
        it = cache.insert(key, made);
    }
    return *it;
}

// One parsed document per picture, however many sizes it is rendered at.
QSvgRenderer &renderer(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto it = renderers.find(path);
    if (it == renderers.end()) {
        // The resource's bytes directly: no file object in between.
        auto r = std::make_shared<QSvgRenderer>(QResource(path).uncompressedData());
        r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        it = renderers.insert(path, r);
    }
    return **it;
}

} // namespace

Picture::Picture(const QString &name)
{
    if (name.isEmpty())
        return;
    m_path = name.startsWith(u':') ? name : QStringLiteral(":/pic/%1.svg").arg(name);
}

QSize Picture::naturalSize() const
{
    if (isNull())
        return {};
    return renderer(m_path).defaultSize();
}

QImage Picture::image(QSize size) const
{
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    if (isNull())
        return img;
    QSvgRenderer &svg = renderer(m_path);
    // A strip one unit high changes only across: one row drawn and copied down
    // gives the same pixels as drawing the whole height, at a fraction of the cost.
    const bool strip = svg.viewBoxF().height() == 1 && img.height() > 1;
    QPainter p(&img);
    svg.render(&p, QRectF(0, 0, size.width(), strip ? 1 : size.height()));
    p.end();
    if (strip)
        for (int y = 1; y < img.height(); ++y)
            std::memcpy(img.scanLine(y), img.constScanLine(0), static_cast<size_t>(img.bytesPerLine()));
    return img;
}

const QPixmap &Picture::pixmap(QSize size, qreal dpr) const
{
    return rendered(renderings(), m_path, size, dpr,
                    [this](QSize device) { return QPixmap::fromImage(image(device)); });
}

const QImage &Picture::tile(QSize size, qreal dpr) const
{
    return rendered(tiles(), m_path, size, dpr, [this](QSize device) { return image(device); });
}

int Picture::cachedRenderings()
{
    return static_cast<int>(renderings().size());
}
