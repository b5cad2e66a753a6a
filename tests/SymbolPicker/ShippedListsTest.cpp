#include <gtest/gtest.h>
#include <QFile>
#include <QSet>

#include "SymbolPicker/Symbols.h"
#include "scenes/ScenePresets.h"
#include "switches/SwitchCatalogue.h"
#include "ui/SymbolProvider.h"

namespace swivlo {
namespace {

const ResourceBundle kShipped(QStringLiteral(SWIVLO_SHIPPED_BUNDLE));

QStringList readLines(int version) {
    QFile file(kShipped.path() + QStringLiteral("/sfsymbol%1.txt").arg(version));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << version;
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QSet<QString> namesOf(int version) {
    QSet<QString> names;
    const Symbols symbols = Symbols::load(kShipped, SystemVersion{9 + version, 0});
    for (const SymbolPtr& s : symbols.allSymbols()) {
        names.insert(s->name());
    }
    return names;
}

TEST(ShippedListsTest, EveryLineIsWellFormedAndEveryNameHasArtwork) {
    for (int version : {4, 5, 6}) {
        QSet<QString> seen;
        for (const QString& line : readLines(version)) {
            const QStringList fields = line.split(QLatin1Char(','));
            ASSERT_GE(fields.size(), 2) << line.toStdString() << " has no category";
            const auto symbol = parseSymbolLine(line);
            ASSERT_TRUE(symbol);
            EXPECT_EQ(symbol->categories().size(), fields.size() - 1)
                << line.toStdString() << ": unknown or repeated category";
            EXPECT_FALSE(seen.contains(symbol->name())) << line.toStdString();
            seen.insert(symbol->name());
            const SymbolMapping* mapping = SymbolProvider::mapping(symbol->name());
            ASSERT_NE(mapping, nullptr) << symbol->name().toStdString() << " has no artwork";
            EXPECT_TRUE(QFile::exists(mapping->resourcePath()))
                << mapping->resourcePath().toStdString();
        }
    }
}

TEST(ShippedListsTest, EverySymbolTheProgramDrawsIsOffered) {
    QStringList used;
    for (const Switch& entry : SwitchCatalogue::all()) {
        used << QString::fromUtf8(entry.symbol.data(), qsizetype(entry.symbol.size()));
    }
    for (const ScenePreset& preset : presetScenes()) {
        used << QString::fromStdString(preset.scene.icon);
    }
    const QSet<QString> oldest = namesOf(4);
    for (const QString& name : used) {
        EXPECT_TRUE(oldest.contains(name)) << name.toStdString();
    }
    // And the provider draws nothing the newest list leaves out.
    const QSet<QString> newest = namesOf(6);
    for (const QString& name : SymbolProvider::names()) {
        EXPECT_TRUE(newest.contains(name)) << name.toStdString() << " is drawn but not offered";
    }
}

}  // namespace
}  // namespace swivlo
