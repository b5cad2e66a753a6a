#include "ui/SymbolProvider.h"

#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <memory>

// The symbol artwork is compiled into this static library; make sure its resources are
// registered even though nothing else references them.
static void registerSymbolResources() {
    Q_INIT_RESOURCE(symbols);
}

namespace swivlo {

namespace {

struct SymbolTable {
    std::vector<SymbolMapping> mappings;
    QHash<QString, std::size_t> indexByName;
};

const SymbolTable& table() {
    static const SymbolTable loaded = [] {
        registerSymbolResources();
        SymbolTable t;
        QFile file(QStringLiteral(":/symbols/symbols.txt"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("symbol table missing from resources");
            return t;
        }
        QStringList errors;
        t.mappings = SymbolProvider::parseTable(QString::fromUtf8(file.readAll()), &errors);
        for (const QString& error : errors) {
            qWarning("symbol table: %s", qPrintable(error));
        }
        for (std::size_t i = 0; i < t.mappings.size(); ++i) {
            t.indexByName.insert(t.mappings[i].name, i);
        }
        return t;
    }();
    return loaded;
}

// Parsed artwork, shared by every symbol name that maps to the same file.
QSvgRenderer* renderer(const QString& path) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto it = renderers.find(path);
    if (it == renderers.end()) {
        std::shared_ptr<QSvgRenderer> loaded;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            // The artwork paints in currentColor; draw it opaque and tint afterwards.
            QByteArray svg = file.readAll();
            svg.replace("currentColor", "#000000");
            loaded = std::make_shared<QSvgRenderer>(svg);
            if (!loaded->isValid()) {
                loaded.reset();
            }
        }
        if (!loaded) {
            qWarning("symbol artwork %s cannot be read", qPrintable(path));
        }
        it = renderers.insert(path, loaded);
    }
    return it->get();
}

// A dashed rounded square: visibly "some symbol" without pretending to be a particular one.
void paintPlaceholder(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal side = box.width();
    const qreal inset = side * 0.16;
    QPen pen(color, std::max(1.0, side / 14));
    pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF square = box.adjusted(inset, inset, -inset, -inset);
    painter.drawRoundedRect(square, side * 0.16, side * 0.16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal dot = std::max(1.5, side / 8);
    painter.drawEllipse(QRectF(box.center() - QPointF(dot / 2, dot / 2), QSizeF(dot, dot)));
}

QImage renderSymbol(const QString& name, int pixels, const QColor& color) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, pixels, pixels);
    const SymbolMapping* found = SymbolProvider::mapping(name);
    QSvgRenderer* svg = found ? renderer(found->resourcePath()) : nullptr;
    if (!svg) {
        paintPlaceholder(painter, box, color);
        return image;
    }
    svg->render(&painter, box);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(box, color);
    return image;
}

class SymbolIconEngine : public QIconEngine {
public:
    SymbolIconEngine(QString name, QColor color) : name_(std::move(name)), color_(color) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        SymbolProvider::paint(*painter, rect, name_, colorFor(mode));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        return SymbolProvider::pixmap(name_, std::min(size.width(), size.height()), colorFor(mode),
                                      scale);
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(name_, color_); }
    QString key() const override { return QStringLiteral("swivlo-symbol"); }
    QString iconName() override { return name_; }

private:
    QColor colorFor(QIcon::Mode mode) const {
        if (mode != QIcon::Disabled) {
            return color_;
        }
        QColor dimmed = color_;
        dimmed.setAlphaF(dimmed.alphaF() * 0.35f);
        return dimmed;
    }

    QString name_;
    QColor color_;
};

}  // namespace

QString SymbolProvider::artworkLicence() {
    registerSymbolResources();
    QFile file(QStringLiteral(":/symbols/LICENSE"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString SymbolMapping::resourcePath() const {
    const QString file =
        weight == QLatin1String("regular") ? artwork : artwork + QLatin1Char('-') + weight;
    return QStringLiteral(":/symbols/%1/%2.svg").arg(weight, file);
}

QPixmap SymbolProvider::pixmap(const QString& name, int size, const QColor& color,
                               qreal devicePixelRatio) {
    if (size <= 0) {
        return {};
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int pixels = std::max(1, static_cast<int>(std::ceil(size * ratio)));
    const QString key = QStringLiteral("swivlo-symbol/%1/%2/%3")
                            .arg(name)
                            .arg(pixels)
                            .arg(color.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap cached;
    if (!QPixmapCache::find(key, &cached)) {
        cached = QPixmap::fromImage(renderSymbol(name, pixels, color));
        QPixmapCache::insert(key, cached);
    }
    cached.setDevicePixelRatio(ratio);
    return cached;
}

QIcon SymbolProvider::icon(const QString& name, const QColor& color) {
    return QIcon(new SymbolIconEngine(name, color));
}

void SymbolProvider::paint(QPainter& painter, const QRectF& rect, const QString& name,
                           const QColor& color) {
    const qreal side = std::min(rect.width(), rect.height());
    if (side <= 0) {
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRectF square(rect.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.drawPixmap(square, pixmap(name, qRound(side), color, ratio), QRectF());
}

int SymbolProvider::sizeForFont(qreal pointSize) {
    // The artwork leaves a margin around its glyph, so the square is a little larger than
    // the text size for the glyph to match the text's visual weight.
    return qRound(pointSize * 1.45);
}

bool SymbolProvider::contains(const QString& name) {
    return mapping(name) != nullptr;
}

QStringList SymbolProvider::names() {
    QStringList out;
    for (const SymbolMapping& m : table().mappings) {
        out << m.name;
    }
    return out;
}

const SymbolMapping* SymbolProvider::mapping(const QString& name) {
    const SymbolTable& t = table();
    const auto it = t.indexByName.constFind(name);
    return it == t.indexByName.cend() ? nullptr : &t.mappings[*it];
}

std::vector<SymbolMapping> SymbolProvider::parseTable(const QString& text, QStringList* errors) {
    std::vector<SymbolMapping> out;
    QHash<QString, int> seen;
    const auto fail = [&](int line, const QString& why) {
        if (errors) {
            *errors << QStringLiteral("line %1: %2").arg(line).arg(why);
        }
    };
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        QString line = lines[i];
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0) {
            line.truncate(hash);
        }
        const QStringList fields = line.split(whiteSpace, Qt::SkipEmptyParts);
        if (fields.isEmpty()) {
            continue;
        }
        if (fields.size() < 2 || fields.size() > 3) {
            fail(lineNumber, QStringLiteral("expected a name, an artwork and an optional weight"));
            continue;
        }
        SymbolMapping m{fields[0], fields[1], QString()};
        if (fields.size() == 3) {
            m.weight = fields[2];
        } else {
            m.weight = m.name.split(QLatin1Char('.')).contains(QLatin1String("fill"))
                           ? QStringLiteral("fill")
                           : QStringLiteral("regular");
        }
        static const QStringList weights{QStringLiteral("regular"), QStringLiteral("fill"),
                                         QStringLiteral("duotone"), QStringLiteral("bold"),
                                         QStringLiteral("light"),   QStringLiteral("thin")};
        if (!weights.contains(m.weight)) {
            fail(lineNumber, QStringLiteral("unknown weight \"%1\"").arg(m.weight));
            continue;
        }
        if (seen.contains(m.name)) {
            fail(lineNumber, QStringLiteral("\"%1\" already mapped on line %2")
                                 .arg(m.name)
                                 .arg(seen.value(m.name)));
            continue;
        }
        seen.insert(m.name, lineNumber);
        out.push_back(std::move(m));
    }
    return out;
}

QSize SymbolTitleLabel::size() const {
    const QFontMetrics metrics(font);
    return {symbolSide + gap + metrics.horizontalAdvance(text),
            std::max(symbolSide, metrics.height())};
}

void SymbolTitleLabel::paint(QPainter& painter, const QRectF& area, const QColor& symbolColor,
                             const QColor& textColor, bool centred) const {
    const qreal left =
        centred ? area.left() + std::floor((area.width() - size().width()) / 2) : area.left();
    const QRectF symbolBox(left, area.top() + (area.height() - symbolSide) / 2.0, symbolSide,
                           symbolSide);
    SymbolProvider::paint(painter, symbolBox, symbol, symbolColor);
    painter.setPen(textColor);
    painter.setFont(font);
    const QRectF textBox(symbolBox.right() + gap, area.top(),
                         area.right() - symbolBox.right() - gap, area.height());
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace swivlo
