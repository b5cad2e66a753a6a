#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "ui/SymbolProvider.h"

namespace swivlo {
namespace {

QImage render(const QString& name, int size, const QColor& color, qreal ratio = 1.0) {
    return SymbolProvider::pixmap(name, size, color, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

int paintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

TEST(SymbolProvider, EveryMappedNameLoadsItsOwnArtwork) {
    const QImage placeholder = render(QStringLiteral("no.such.symbol"), 32, Qt::black);
    const QStringList names = SymbolProvider::names();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QImage image = render(name, 32, Qt::black);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_GT(paintedPixels(image), 20) << name.toStdString();
        EXPECT_NE(image, placeholder) << name.toStdString() << " drew the placeholder";
    }
}

TEST(SymbolProvider, UnknownNameDrawsAPlaceholderInTheGivenColour) {
    for (const QString& name : {QStringLiteral("no.such.symbol"), QString()}) {
        const QImage image = render(name, 24, QColor(200, 0, 0));
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(paintedPixels(image), 10);
        EXPECT_FALSE(SymbolProvider::contains(name));
    }
}

TEST(SymbolProvider, SymbolTakesTheColourItIsDrawnIn) {
    const QColor tint(52, 199, 89);
    const QImage image = render(QStringLiteral("bolt.fill"), 32, tint);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255) {
                ++opaque;
                ASSERT_EQ(QColor(p).rgb(), tint.rgb()) << x << "," << y;
            }
        }
    }
    EXPECT_GT(opaque, 50);
    // A different colour is a different image, not a stale cached one.
    EXPECT_NE(render(QStringLiteral("bolt.fill"), 32, Qt::blue), image);
}

struct TableCase {
    const char* text;
    std::vector<std::array<const char*, 3>> expected;  // name, artwork, weight
    int errors;
};

class SymbolTableParse : public ::testing::TestWithParam<TableCase> {};

TEST_P(SymbolTableParse, ReadsLines) {
    QStringList errors;
    const auto mappings = SymbolProvider::parseTable(QString::fromUtf8(GetParam().text), &errors);
    ASSERT_EQ(mappings.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < mappings.size(); ++i) {
        EXPECT_EQ(mappings[i].name, QString::fromUtf8(GetParam().expected[i][0]));
        EXPECT_EQ(mappings[i].artwork, QString::fromUtf8(GetParam().expected[i][1]));
        EXPECT_EQ(mappings[i].weight, QString::fromUtf8(GetParam().expected[i][2]));
    }
    EXPECT_EQ(errors.size(), GetParam().errors) << errors.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SymbolTableParse,
    ::testing::Values(
        TableCase{"# comment\n\nplus plus\n", {{"plus", "plus", "regular"}}, 0},
        TableCase{"moon.fill moon # trailing comment", {{"moon.fill", "moon", "fill"}}, 0},
        // ".fill" must be a whole part of the name, not just a substring.
        TableCase{"person.fillx user\nfill.drop drop",
                  {{"person.fillx", "user", "regular"}, {"fill.drop", "drop", "fill"}},
                  0},
        TableCase{"lonely\nx y heavy\nx y z w", {}, 3},
        TableCase{"x one\nx two", {{"x", "one", "regular"}}, 1}));

TEST(SymbolProvider, ShippedTableHasNoErrors) {
    QFile file(QStringLiteral(":/symbols/symbols.txt"));
    SymbolProvider::names();  // registers the resources
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList errors;
    SymbolProvider::parseTable(QString::fromUtf8(file.readAll()), &errors);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace swivlo
