#include "toolkit/picture.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

struct Key
{
    QString path;
    int w;
    int h;
    bool operator==(const Key &o) const { return w == o.w && h == o.h && path == o.path; }
};

size_t qHash(const Key &k, size_t seed = 0)
{
    return ::qHash(k.path, seed) ^ (static_cast<size_t>(k.w) * 31 + static_cast<size_t>(k.h));
}

QHash<Key, QPixmap> &renderings()
{
    static QHash<Key, QPixmap> cache;
    return cache;
}

QHash<QString, QSize> &naturalSizes()
{
    static QHash<QString, QSize> sizes;
    return sizes;
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
    auto &sizes = naturalSizes();
    auto it = sizes.find(m_path);
    if (it == sizes.end()) {
        QSvgRenderer renderer(m_path);
        it = sizes.insert(m_path, renderer.defaultSize());
    }
    return *it;
}

QImage Picture::image(QSize size) const
{
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    if (!isNull()) {
        QSvgRenderer renderer(m_path);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        QPainter p(&img);
        renderer.render(&p, QRectF(0, 0, size.width(), size.height()));
    }
    return img;
}

const QPixmap &Picture::pixmap(QSize size) const
{
    static const QPixmap none;
    if (isNull() || size.isEmpty())
        return none;
    auto &cache = renderings();
    const Key key{m_path, size.width(), size.height()};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, QPixmap::fromImage(image(size)));
    return *it;
}

int Picture::cachedRenderings()
{
    return static_cast<int>(renderings().size());
}
